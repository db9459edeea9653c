#include "db/SchoolInfo.h"

#include "db/Query.h"

#include <QFileInfo>
#include <QSqlQuery>

const QStringList& SchoolInfo::editedColumns()
{
    static const QStringList cols = {"도장명", "도장명영", "구", "관장명", "단", "단증번호", "전화번호", "인사말", "태권도협회",
                                     "단체가입번호", "납부은행", "주소", "사업자등록번호", "메인화면", "메인화면체크유무",
                                     "금전출납화면", "금전출납화면체크유무", "수련비화면", "수련비화면체크유무"};
    return cols;
}

bool SchoolInfo::exists() { return db::scalar(QStringLiteral("select Count(*) from T_도장정보")).toInt() > 0; }

QHash<QString, QVariant> SchoolInfo::load()
{
    QHash<QString, QVariant> out;
    db::Query q(QStringLiteral("select * from T_도장정보"));
    q.open();
    if (q.next())
        for (int i = 0; i < q.columnCount(); ++i)
            out.insert(q.columnName(i), q.value(i));
    return out;
}

QString SchoolInfo::name()
{
    if (!db::tableExists(QStringLiteral("T_도장정보")))
        return {};
    return db::scalar(QStringLiteral("SELECT 도장명 FROM T_도장정보")).toString();
}

void SchoolInfo::save(const QHash<QString, QVariant>& values)
{
    const QStringList& cols = editedColumns();
    db::Query q;
    if (exists()) {
        // The table holds one row: it is found whatever its names are (a school without a Latin name
        // must stay editable).
        QStringList sets;
        for (const QString& c : cols)
            sets << c + " = :" + c;
        q.add("update T_도장정보 set " + sets.join(", "));
    } else {
        QStringList params;
        for (const QString& c : cols)
            params << ":" + c;
        q.add("insert into T_도장정보 (" + cols.join(", ") + ") values (" + params.join(", ") + ")");
    }
    for (const QString& c : cols)
        q.bind(c, values.value(c));
    db::Transaction t;
    q.exec();
    t.commit();
}

bool SchoolInfo::mainScreenLocked()
{
    db::Query q(QStringLiteral("SELECT 메인화면, 메인화면체크유무 FROM T_도장정보"));
    q.open();
    if (!q.next())
        return false;
    if (q.isNull("메인화면"))
        return false;
    return q.str("메인화면체크유무") == QStringLiteral("1");
}

bool SchoolInfo::mainPasswordMatches(const QString& typed)
{
    db::Query q;
    q << " SELECT 메인화면, 메인화면체크유무  FROM T_도장정보  "
      << " WHERE  메인화면 =:메인화면 ";
    q.bind("메인화면", typed);
    q.open();
    return q.next();
}

void SchoolInfo::ensureLetterRow()
{
    if (db::scalar(QStringLiteral("Select Count(*) from T_가정통신문")).toInt() == 0)
        db::run(QStringLiteral("insert into T_가정통신문 (개인, 단체, 심사, 심사신청서내용, 체력측정평가) values ('', '', '', '', '')"));
}

int SchoolInfo::displayScale() { return db::scalar(QStringLiteral("SELECT 화면배율 FROM T_도장정보")).toInt(); }

void SchoolInfo::setDisplayScale(int percent)
{
    const QVariant v = percent > 0 ? QVariant(percent) : QVariant();
    if (exists())
        db::run(QStringLiteral("update T_도장정보 set 화면배율 = :p"), {{QStringLiteral("p"), v}});
    else
        db::run(QStringLiteral("insert into T_도장정보 (화면배율) values (:p)"), {{QStringLiteral("p"), v}});
}

int SchoolInfo::displayScaleIn(const QString& file)
{
    if (!QFileInfo::exists(file))
        return 0;
    // A connection of its own, read-only, closed before the program opens dbMain.
    const QString name = QStringLiteral("tamrin_scale");
    int percent = 0;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        d.setDatabaseName(file);
        d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (d.open()) {
            QSqlQuery q(d);
            if (q.exec(QStringLiteral("SELECT 화면배율 FROM T_도장정보 LIMIT 1")) && q.next())
                percent = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return percent;
}
