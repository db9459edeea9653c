#pragma once
#include <QList>
#include <QString>

// Income/expense categories (T_코드구분, codes "000".."999"; other codes are goods groups) and their
// details (T_코드상세).
class CashCategories {
public:
    struct Code {
        QString code;
        QString name;
    };
    static QList<Code> categories();
    static QList<Code> details(const QString& category);

    // Codes are stored trimmed and upper case: three characters for a category, four for a detail.
    static QString normalize(const QString& code) { return code.trimmed().toUpper(); }
    static bool validCategory(const QString& code, const QString& name);
    static bool validDetail(const QString& code, const QString& name);

    static bool categoryExists(const QString& code);
    static bool detailExists(const QString& category, const QString& code);

    static void addCategory(const QString& code, const QString& name);
    static void renameCategory(const QString& code, const QString& name);
    static void deleteCategory(const QString& code);   // with all its details, in one transaction
    static void addDetail(const QString& category, const QString& code, const QString& name);
    static void updateDetail(const QString& oldCategory, const QString& oldCode, const QString& category,
                             const QString& code, const QString& name);
    static void deleteDetail(const QString& category, const QString& code);
};
