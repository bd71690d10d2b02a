#pragma once

#include <QString>

// The program's own folder, with a trailing separator. Projects.ini and Quorvex.ini live there.
QString& ProgramDir();
