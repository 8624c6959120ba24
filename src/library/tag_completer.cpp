#include "tag_completer.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStringListModel>

TagCompleter::TagCompleter(QObject *parent)
    : QCompleter(parent)
    , m_tags(new QStringListModel(this))
{
    setModel(m_tags);
    setCaseSensitivity(Qt::CaseInsensitive);
    setCompletionMode(QCompleter::PopupCompletion);
}

void TagCompleter::setTags(const QStringList &tags)
{
    m_tags->setStringList(tags);
}

namespace {

int lastWordStart(const QString &text)
{
    int at = text.size();
    while (at > 0 && !text.at(at - 1).isSpace() && text.at(at - 1) != QLatin1Char(','))
        --at;
    return at;
}

} // namespace

QStringList TagCompleter::splitPath(const QString &path) const
{
    QString word = path.mid(lastWordStart(path));
    if (word.startsWith(QLatin1Char('#')))
        word.remove(0, 1);
    return {word};
}

QString TagCompleter::pathFromIndex(const QModelIndex &index) const
{
    const auto *edit = qobject_cast<const QLineEdit *>(widget());
    const QString text = edit ? edit->text() : QString();
    return text.left(lastWordStart(text)) + index.data().toString();
}
