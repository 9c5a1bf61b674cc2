#include "ReadAloudForm.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace ReadAloudForm {

namespace {

QString spokenForm(QString text)
{
    static const QRegularExpression outcome(u"([0-9０-９])[・･]([0-9０-９])"_s);
    static const QRegularExpression fraction(u"([0-9０-９]+)\\s*[/／]\\s*([0-9０-９]+)"_s);
    static const QRegularExpression brackets(u"[【】［］]"_s);
    return text.replace(outcome, u"\\1と\\2"_s).replace(fraction, u"\\2分の\\1"_s).remove(brackets);
}

// Sentences end after 。, ？ or ！, and keep it.
QStringList sentences(const QString &text)
{
    QStringList found;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (u"。？！"_s.contains(text.at(at)) || at + 1 == text.size()) {
            if (const QString sentence = text.mid(start, at + 1 - start).trimmed(); !sentence.isEmpty())
                found.append(sentence);
            start = at + 1;
        }
    }
    return found;
}

// A sentence in pieces of whole clauses, each as long as it may be: a short
// one stays whole.
void appendInPieces(QStringList &utterances, const QString &sentence)
{
    const QStringList clauses = sentence.split(u'、');
    QString piece;
    for (qsizetype i = 0; i < clauses.size(); ++i) {
        const QString &clause = clauses.at(i);
        const QString part = piece.isEmpty() ? clause : piece + u'、' + clause;
        // Each piece but the last keeps its 、.
        if (!piece.isEmpty() && part.size() + (i + 1 < clauses.size() ? 1 : 0) > LongestUtterance) {
            utterances.append(piece + u'、');
            piece = clause.trimmed();
        } else {
            piece = part;
        }
    }
    utterances.append(piece);
}

} // namespace

QStringList utterances(const QString &text)
{
    QStringList cut;
    for (const QString &sentence : sentences(spokenForm(text)))
        appendInPieces(cut, sentence);
    return cut;
}

} // namespace ReadAloudForm
