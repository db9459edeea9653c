#include "ui/StatusLine.h"

namespace {
QString g_text;
std::function<void(const QString&)> g_sink;
}

void StatusLine::show(const QString& text)
{
    g_text = text;
    if (g_sink)
        g_sink(text);
}

QString StatusLine::text() { return g_text; }

void StatusLine::install(std::function<void(const QString&)> sink) { g_sink = std::move(sink); }
