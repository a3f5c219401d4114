#pragma once

#include <QStringList>

// The results file a new working folder starts with: common English words,
// none of them with a record yet, so that there is something to type at once.
QStringList starterListLines();
