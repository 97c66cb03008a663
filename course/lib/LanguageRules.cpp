#include "course/lib/LanguageRules.h"

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

}  // namespace course::rules
