#pragma once

#include "form3harness.h"
#include "qttextfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Both windows on real files in a working folder of their own; everything else is the fakes.
struct RealFilesForm1 : Form3Harness {
    QTemporaryDir root;
    QString workFolder = root.filePath(QStringLiteral("work"));
    QString previousFolder = QDir::currentPath();
    QtTextFiles files;
    Services services{fakes.sound, fakes.dialogs, fakes.settings, fakes.clock, files, fakes.appendFiles};

    // results.dat is named relative to the working folder.
    RealFilesForm1() {
        QDir().mkpath(workFolder);
        QDir::setCurrent(workFolder);
    }
    // The windows go before the files they write to.
    ~RealFilesForm1() {
        form.reset();
        QDir::setCurrent(previousFolder);
    }

    QString resultsPath() const { return workFolder + QStringLiteral("/results.dat"); }

    void start() {
        form = std::make_unique<Form1>(services);
        ui = form->controls();
    }

    // Chooses both sources in the Update Results window and presses "Open".
    void openSources(const QString& source1, const QString& source2) {
        openWindow();
        choose(source1, source2);
        window->Command4_Click();
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
