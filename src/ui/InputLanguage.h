#pragma once
#include <QString>

// Hangul or Latin keyboard entry. set("KOREA") switches to Hangul only from alphanumeric mode,
// set("ENGLISH") to alphanumeric only from Hangul mode; any other mode (full-width ...) and any other
// text change nothing. The focused field also gets matching input hints, so a desktop input method
// without remote control still offers the right layout.
class InputLanguage {
public:
    enum Mode { Alphanumeric = 0, Hangul = 1 };

    // The platform's input method. The default drives fcitx5 when it runs, and otherwise only keeps
    // the mode; tests install their own.
    class Backend {
    public:
        virtual ~Backend() = default;
        virtual int conversionMode() = 0;
        virtual void setModes(int conversion, int sentence) = 0;
    };

    static void set(const QString& mode);
    static void install(Backend* backend); // nullptr restores the default; the caller keeps ownership
    static Backend& backend();
};
