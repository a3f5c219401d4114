#pragma once

#include "fakeservices.h"
#include "form3harness.h"
#include "qttextfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// A main window that reads and writes real files, in a working folder of its
// own that nothing else touches; sounds, boxes, settings and the clock are
// the fakes.
struct RealFilesForm1 {
    QTemporaryDir root;
    QString workFolder = root.filePath(QStringLiteral("work"));
    QString previousFolder = QDir::currentPath();
    FakeSound sound;
    FakeDialogs dialogs;
    FakeSettingsStore settings;
    FakeClock clock;
    QtTextFiles files;
    Services services{sound, dialogs, settings, clock, files};
    std::unique_ptr<Form1> form;
    Ui::Form1* ui = nullptr;

    RealFilesForm1() {
        QDir().mkpath(workFolder);
        enterWorkFolder();
    }
    ~RealFilesForm1() {
        form.reset();
        QDir::setCurrent(previousFolder);
    }
    RealFilesForm1(const RealFilesForm1&) = delete;
    RealFilesForm1& operator=(const RealFilesForm1&) = delete;

    // results.dat is named relative to the working folder.
    bool enterWorkFolder() const { return QDir::setCurrent(workFolder); }
    QString resultsPath() const { return workFolder + QStringLiteral("/results.dat"); }

    void start() {
        form = std::make_unique<Form1>(services);
        ui = form->controls();
    }

    QStringList listed() const { return entries(ui->Combo1); }

    // The Update Results window with both sources chosen and opened.
    Form3* openSources(const QString& source1, const QString& source2) {
        ui->mnuUpdate->trigger();
        Form3* window = form->updateWindow();
        dialogs.openFileAnswers << source1 << source2;
        window->Command2_Click();
        window->Command3_Click();
        window->Command4_Click();
        return window;
    }
};

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
