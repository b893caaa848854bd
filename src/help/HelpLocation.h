#pragma once
// Where the help of an installed or a freshly built program lives.

#include <QString>

// The help index beside the program ("Help/index.txt"), else the installed one
// ("../share/clipwise/Help/index.txt"); when neither exists, the one beside the program, so
// that the message about a missing index names the first place looked at.
QString FindHelpIndex(const QString& programFolder);
