#include "about/form2.h"

#include "platform/accessibility.h"
#include "platform/programinfo.h"
#include "platform/windowstyle.h"
#include "ui_form2.h"

#include <QLocale>

namespace {
const QString WhatsNewFileName = QStringLiteral("whatsnew.txt");
const QString InformationFileName = QStringLiteral("information.txt");

// The text in the language of the windows, the program's locale: "whatsnew_de.txt" (or "whatsnew_pt_BR.txt")
// beside "whatsnew.txt", in UTF-8 as a text editor saves it; the English text where there is none.
std::optional<QString> textInLanguage(const TextFiles& files, const QString& fileName) {
    const QString stem = fileName.section(QLatin1Char('.'), 0, 0);
    const QString language = QLocale().name();
    for (const QString& name : {language, language.section(QLatin1Char('_'), 0, 0)}) {
        if (const std::optional<QByteArray> bytes = files.readBytes(QStringLiteral("%1_%2.txt").arg(stem, name)))
            return QString::fromUtf8(*bytes);
    }
    return files.readText(fileName);
}
} // namespace

Form2::Form2(Services& services, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form2>())
    , m_services(services) {
    ui->setupUi(this);
    ui->Label1->setText(tr("%1 %2 is made by the Tapmeter developers. Use it to check who's the fastest typer.. you "
                           "or your friends!!!")
                            .arg(QLatin1String(ProgramName), QLatin1String(ProgramVersion)));
    makeFixedDialogFrame(this);
    // "About" brings this window back while it is open; "&Back!" and the
    // close box end it, and the next "About" makes a new one, which reads the
    // texts afresh.
    setAttribute(Qt::WA_DeleteOnClose);

    connect(ui->Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    pressOnEscape(ui->Command1);
    setAccessibleNames(this);

    Form_Load();
    ui->Command1->setFocus();
}

Form2::~Form2() = default;

void Form2::Form_Load() {
    // A text that is missing or cannot be read leaves its box empty, without a
    // word to the user: the window is worth opening all the same.
    TextFiles& files = m_services.files;
    if (const std::optional<QString> text = textInLanguage(files, WhatsNewFileName))
        ui->Text1->setPlainText(*text);
    if (const std::optional<QString> text = textInLanguage(files, InformationFileName))
        ui->Text2->setPlainText(*text);
}

void Form2::Command1_Click() {
    close();
}
