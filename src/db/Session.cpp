#include "db/Session.h"

namespace {
QString g_selected;
}

QString Session::selectedMemberNo() { return g_selected; }

void Session::setSelectedMemberNo(const QString& no) { g_selected = no; }

void Session::reset() { g_selected.clear(); }
