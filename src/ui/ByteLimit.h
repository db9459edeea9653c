#pragma once
#include <QValidator>

class QLineEdit;

// Keeps a field's text within a number of CP949 bytes (a Hangul syllable takes two), the width of
// the column it is stored in.
class ByteLimit : public QValidator {
    Q_OBJECT
public:
    static void install(QLineEdit* edit, int bytes);
    State validate(QString& input, int& pos) const override;

private:
    ByteLimit(int bytes, QObject* parent) : QValidator(parent), m_bytes(bytes) {}
    int m_bytes;
};
