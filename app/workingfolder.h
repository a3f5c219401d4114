#pragma once

#include <QString>
#include <QStringList>

class Dialogs;

// The program reads its sounds and texts from its working folder and keeps
// the user's words and records there, in results.dat. Installed, it gives
// every user a folder of its own, $XDG_DATA_HOME/tapmeter
// (~/.local/share/tapmeter), filled from the installed data folder; started
// from the build, it works in the folder it is started in.
//
// Moves into the working folder, having prepared it. Problems are shown in a
// message box; returns false when the program cannot go on.
bool enterWorkingFolder(Dialogs& dialogs);

// Makes the folder and brings it in step with the shipped one: each shipped
// file that is missing or differs is copied in, replacing the old copy in one
// step. results.dat and any other file of the user's are never touched, but a
// folder without results.dat gets the starter list. Returns the problems met.
QStringList prepareFolder(const QString& shipped, const QString& folder);

// Writes the starter list to path unless something of that name exists
// (even an empty file). Returns false, with the reason, when the write fails.
bool writeStarterListIfAbsent(const QString& path, QString* error);
