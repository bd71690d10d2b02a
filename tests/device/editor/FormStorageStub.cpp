// Stand-in for the window placement store while its code is not in quorvex_ui: it stores nothing.

#include "ui/FormStorage.h"

TFormStorage::TFormStorage(QWidget* form) : QObject(form), m_form(form) {}
TFormStorage::~TFormStorage() = default;
bool TFormStorage::eventFilter(QObject* watched, QEvent* event) { return QObject::eventFilter(watched, event); }
