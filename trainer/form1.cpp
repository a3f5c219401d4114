#include "trainer/form1.h"

#include "about/form2.h"
#include "merge/form3.h"
#include "platform/accessibility.h"
#include "platform/programinfo.h"
#include "platform/windowstyle.h"
#include "progress/progresswindow.h"
#include "ui_form1.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QTimer>

#include <utility>

namespace {

// The character code a key press produces, or -1 for keys that produce none.
// Tab only moves the focus, and Delete produces no character, although X11
// reports one for each.
int characterCode(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        return key->text().isEmpty() ? -1 : key->text().at(0).unicode();
    }
}

} // namespace

int checkValue(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void setCheckValue(QCheckBox* box, int value) {
    box->setTristate(value == 2);
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

Form1::Form1(Services& services, QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::Form1>())
    , Timer1(new QTimer(this))
    , m_services(services)
    , m_preferences(services.settings) {
    // Before the first window, so that a screen reader meets About, Progress
    // and Update Results as windows whichever is opened first.
    exposeWithWindowRole();
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("%1 %2").arg(QLatin1String(ProgramName), QLatin1String(ProgramVersion)));
    makeFixedDialogFrame(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    Timer1->setTimerType(Qt::PreciseTimer);

    showMatch(false);
    // The small reset button overlaps the word panel's edge; keep it on top
    // so that it can be seen and clicked.
    ui->Command6->raise();
    ui->Combo1->lineEdit()->setReadOnly(true);
    ui->Text1->setFocus();

    connectHandlers();
    Form_Load();

    adjustSize();
    centreOnScreen(this);
    setAccessibleNames(this);
}

Form1::~Form1() {
    delete m_form2;
    delete m_form3;
    delete m_progress;
}

void Form1::connectHandlers() {
    connect(ui->mnuAbout, &QAction::triggered, this, &Form1::mnuAbout_Click);
    connect(ui->mnuUpdate, &QAction::triggered, this, &Form1::mnuUpdate_Click);
    connect(ui->mnuProgress, &QAction::triggered, this, &Form1::mnuProgress_Click);
    connect(ui->mnuAddWords, &QAction::triggered, this, &Form1::mnuAddWords_Click);
    connect(ui->Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(ui->Text5, &QLineEdit::textChanged, this, &Form1::Text5_Change);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(ui->Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(ui->Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(ui->Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    // The user's selections; the program's own selections call the handlers
    // themselves, with the lists' signals blocked.
    connect(ui->Combo1, &QComboBox::currentIndexChanged, this, &Form1::Combo1_Click);
    connect(ui->Combo3, &QComboBox::currentIndexChanged, this, &Form1::Combo3_Click);
    // A click on a greyed box ticks or clears it like any other.
    for (QCheckBox* box : {ui->Check1, ui->Check2})
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });

    // A word picked from the open list, with the mouse or Enter, is there to
    // be typed: the focus goes on to the typing box. The arrow keys on the
    // closed list move through it and leave the focus where it is.
    ui->Combo1->view()->window()->installEventFilter(this);
    connect(ui->Combo1, &QComboBox::activated, this, [this] {
        if (m_listJustClosed)
            ui->Text1->setFocus();
    });

    ui->Text1->installEventFilter(this);
    ui->Combo1->installEventFilter(this);
    ui->Combo1->lineEdit()->installEventFilter(this);
}

void Form1::Form_Load() {
    const QSignalBlocker blockCombo2(ui->Combo2);
    const QSignalBlocker blockCombo3(ui->Combo3);
    ui->Combo2->clear();
    ui->Combo3->clear();
    ui->Combo2->addItems({QStringLiteral("-"), tr("Stop"), tr("Reset")});
    ui->Combo3->addItems({tr("Words written"), tr("Time passed"), tr("Letters written")});
    ui->Combo2->setCurrentIndex(0);
    ui->Combo3->setCurrentIndex(0);
    // The limits are still empty here, so the limit box starts empty.
    Combo3_Click();

    CriterionLimits = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    SinceLastLetter = 0.0;
    BackspacePending = false;

    setCheckValue(ui->Check1, m_preferences.sounds());
    setCheckValue(ui->Check2, m_preferences.caseSensitive());
    m_recordName = m_preferences.recordName();

    LoadResults();
}

bool Form1::Form_Unload() {
    if (SaveAll())
        return true;
    return m_services.dialogs.confirm(this, m_saveFailure.trimmed() + QStringLiteral("\r\n\r\n") +
                                                tr("Close Tapmeter anyway? What could not be saved will be lost."));
}

bool Form1::sendToUpdateResults() {
    if (isEnabled() || !m_form3)
        return false;
    m_form3->raise();
    m_form3->activateWindow();
    return true;
}

void Form1::closeEvent(QCloseEvent* event) {
    // A window manager still sends close requests while Update Results keeps
    // the main window unavailable; that window is where the user must go.
    if (sendToUpdateResults()) {
        event->ignore();
        return;
    }
    if (!Form_Unload()) {
        event->ignore();
        return;
    }
    event->accept();
    m_sessionEnded = true;
    // The other windows go with the main window, without their own closing.
    delete m_form2;
    delete m_form3;
    delete m_progress;
    QCoreApplication::quit();
}

void Form1::endSession() {
    if (m_sessionEnded)
        return;
    m_sessionEnded = true;
    // Nobody is there to answer a question: a failed save has left the old
    // file whole, and that is all that can be done.
    SaveAll();
    // exit(), unlike quit(), cannot be refused by a window that stays open.
    // The other windows are left to the main window's end: one of them may
    // be waiting in a modal box of its own until the event loops have ended.
    QCoreApplication::exit(0);
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_heldMessages.isEmpty())
        QMetaObject::invokeMethod(this, &Form1::showHeldMessages, Qt::QueuedConnection);
}

void Form1::tellUser(const QString& text) {
    if (isVisible())
        m_services.dialogs.message(this, text);
    else
        m_heldMessages << text;
}

void Form1::showHeldMessages() {
    const QStringList messages = std::exchange(m_heldMessages, {});
    for (const QString& text : messages)
        m_services.dialogs.message(this, text);
}

void Form1::mnuAbout_Click() {
    if (!m_form2)
        m_form2 = new Form2(m_services);
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}

void Form1::mnuUpdate_Click() {
    if (!m_form3) {
        m_form3 = new Form3(m_services);
        // Whichever file was merged into, the word list is read again.
        connect(m_form3, &Form3::source2Written, this, &Form1::LoadResults);
        // "Back!" and the close box alike give the main window back.
        connect(m_form3, &Form3::closed, this, [this] { setEnabled(true); });
    }
    m_form3->show();
    m_form3->raise();
    m_form3->activateWindow();
    setEnabled(false);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Letters made with a dead key or a compose key come from the input
    // method, not as key presses; each committed text counts like a key.
    if (event->type() == QEvent::Hide && watched == ui->Combo1->view()->window()) {
        // The list picks its entry right after it closes.
        m_listJustClosed = true;
        QMetaObject::invokeMethod(
            this, [this] { m_listJustClosed = false; }, Qt::QueuedConnection);
    } else if (event->type() == QEvent::InputMethod && watched == ui->Text1) {
        const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
        if (!committed.isEmpty())
            Text1_KeyPress(committed.at(0).unicode());
    } else if (event->type() == QEvent::KeyPress) {
        const int code = characterCode(static_cast<QKeyEvent*>(event));
        if (code >= 0 && watched == ui->Text1) {
            Text1_KeyPress(code);
        } else if (code >= 0 && (watched == ui->Combo1 || watched == ui->Combo1->lineEdit())) {
            if (Combo1_KeyPress(code) == 0)
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::soundsOn() const {
    return checkValue(ui->Check1) == 1;
}

bool Form1::caseSensitive() const {
    return checkValue(ui->Check2) == 1;
}

void Form1::playCue(const QString& fileName) const {
    if (soundsOn())
        m_services.sound.play(fileName, false);
}
