// Stand-in for the placement store while ui/FormStorage.cpp is not in the tree: the display tests
// do not look at placement. CMakeLists.txt adds this file only when the real one is missing.

#include "ui/FormStorage.h"

TFormStorage::TFormStorage(QWidget* form) : QObject(form), m_form(form) {}
TFormStorage::~TFormStorage() = default;
bool TFormStorage::eventFilter(QObject* watched, QEvent* event) { return QObject::eventFilter(watched, event); }
