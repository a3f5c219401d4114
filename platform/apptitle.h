#pragma once

#include <QString>

// The title of every message box and prompt, and the settings' application name.
inline const QString AppTitle = QStringLiteral("Tapmeter");
