#pragma once

// Reading and writing Projects.ini: the project list, one project's section, its command captions.

#include "Project.h"

#include <QString>
#include <QStringList>

class IniFile;

inline constexpr const char* PlaceholderProject = "+ + Add project + +";

struct TProjectList {
    int32_t ProjectQua = 0;
    int32_t ProjectNum = 0;
    QStringList Names; // "Project1" ... "Project<ProjectQua>"; index k-1 is project k
};

[[nodiscard]] TProjectList ReadProjectList(const IniFile& ini);

// Reads the section of one project into the record: protocol, identifiers and the sixteen rows
// (a row not in use keeps its other fields). Panels and windows are not touched.
void ReadProjectSection(const IniFile& ini, const QString& section, TProject& project);

// Reads "DigiBut_0" ... "DigiBut_16" (default "-").
void ReadCaptions(const IniFile& ini, const QString& section, TProject& project);

// Writes the seventeen captions into the section in one replacement of the file.
[[nodiscard]] bool WriteCaptions(IniFile& ini, const QString& section, const TProject& project);

// Reads the project named (or, with an empty name, the one "ProjectNum" selects) from the
// Projects.ini at path, with its captions. false and a message naming the file when the file is
// not there or the project is not one of its list.
[[nodiscard]] bool LoadProjectFromFile(const QString& path, const QString& name, TProject& project, QString* error);
