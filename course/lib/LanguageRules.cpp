#include "course/lib/LanguageRules.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace course::rules {

QString formalAddressWord(const QString &text) {
    static const QSet<QString> pronouns{
        QStringLiteral("vy"),    QStringLiteral("vás"),    QStringLiteral("vám"),    QStringLiteral("vámi"),
        QStringLiteral("váš"),   QStringLiteral("vaše"),   QStringLiteral("vaši"),   QStringLiteral("vašeho"),
        QStringLiteral("vašemu"), QStringLiteral("vaší"),  QStringLiteral("vašich"), QStringLiteral("vašim"),
        QStringLiteral("vašimi"), QStringLiteral("vašem")};
    static const QRegularExpression word(QStringLiteral("\\w+"), QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression verb(QStringLiteral("(?:[^aeiouyáéíóúůýě\\W\\d_]|[eěíá])te$"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        const QString lower = w.toLower();
        if (pronouns.contains(lower) || verb.match(lower).hasMatch()) return w;
    }
    return {};
}

QString contractionIn(const QString &sentence) {
    static const QRegularExpression contraction(
        QStringLiteral("\\b(?:\\w+'(?:m|re|ve|ll|d)|(?:he|she|it|that|what|there|here|who|where|how|let)'s)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch m = contraction.match(sentence);
    return m.hasMatch() ? m.captured() : QString();
}

TwoSpellings wordWithTwoSpellings(const QString &text) {
    // British and American spellings of the words a young learner meets.
    static const QHash<QString, QString> other = [] {
        const char *const pairs[][2] = {
            {"grey", "gray"},         {"colour", "color"},       {"favourite", "favorite"}, {"centre", "center"},
            {"theatre", "theater"},   {"metre", "meter"},        {"litre", "liter"},        {"neighbour", "neighbor"},
            {"harbour", "harbor"},    {"flavour", "flavor"},     {"humour", "humor"},       {"honour", "honor"},
            {"labour", "labor"},      {"behaviour", "behavior"}, {"rumour", "rumor"},       {"mum", "mom"},
            {"mummy", "mommy"},       {"pyjamas", "pajamas"},    {"tyre", "tire"},          {"aeroplane", "airplane"},
            {"jewellery", "jewelry"}, {"cheque", "check"},       {"programme", "program"},  {"maths", "math"},
            {"travelled", "traveled"}, {"travelling", "traveling"}, {"traveller", "traveler"},
            {"cancelled", "canceled"}, {"practise", "practice"}, {"realise", "realize"},    {"organise", "organize"},
            {"recognise", "recognize"}, {"apologise", "apologize"}, {"doughnut", "donut"}, {"catalogue", "catalog"},
            {"dialogue", "dialog"},   {"plough", "plow"},        {"mould", "mold"},         {"moustache", "mustache"},
            {"defence", "defense"},   {"licence", "license"},    {"cosy", "cozy"},          {"yoghurt", "yogurt"},
            {"axe", "ax"},            {"kerb", "curb"},          {"sceptical", "skeptical"}, {"storey", "story"},
            {"okay", "ok"}};
        QHash<QString, QString> map;
        for (const auto &p : pairs) {
            map.insert(QString::fromLatin1(p[0]), QString::fromLatin1(p[1]));
            map.insert(QString::fromLatin1(p[1]), QString::fromLatin1(p[0]));
        }
        // "tire", "check", "program", "story", "ax"... mean other things as
        // well; only their British forms say the word has two spellings.
        for (const char *common : {"tire", "check", "program", "story", "ax", "curb", "ok", "meter", "practice",
                                   "license", "mold"})
            map.remove(QString::fromLatin1(common));
        return map;
    }();
    static const QStringList endings = {QString(), QStringLiteral("s"), QStringLiteral("es"), QStringLiteral("ed"),
                                        QStringLiteral("d"), QStringLiteral("ing"), QStringLiteral("ful"),
                                        QStringLiteral("ish"), QStringLiteral("er"), QStringLiteral("est"),
                                        QStringLiteral("'s")};
    static const QRegularExpression word(QStringLiteral("[\\w']+"), QRegularExpression::UseUnicodePropertiesOption);
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        const QString lower = w.toLower();
        for (const QString &ending : endings) {
            if (!lower.endsWith(ending) || lower.size() == ending.size()) continue;
            const QString stem = lower.chopped(ending.size());
            const auto found = other.constFind(stem);
            if (found != other.cend()) return {w, *found + ending};
        }
    }
    return {};
}

}  // namespace course::rules
