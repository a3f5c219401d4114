#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// One finished word, as history.csv keeps it.
struct Attempt {
    QDateTime when; // local time with its UTC offset
    QString word;
    QString seconds; // as the last score showed it
    double secondsValue = 0.0;
    int letters = 0;
    int fixes = 0;
    bool record = false;
};

// history.csv: one line per finished word, UTF-8, fields quoted by RFC 4180
// rules, lines ended by CR LF. Nothing is ever rewritten; a newer version may
// add columns at the end of a line.
namespace History {

inline const QString FileName = QStringLiteral("history.csv");

// The line that names the columns, written first into a new file.
QByteArray headerLine();
// One attempt as a line, line break included.
QByteArray line(const Attempt& attempt);

// Every attempt the bytes hold, in file order. The header, a line cut short
// by a crash and any other line that does not read as an attempt are skipped;
// columns after the sixth are ignored.
QList<Attempt> read(const QByteArray& bytes);

} // namespace History
