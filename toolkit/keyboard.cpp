#include "toolkit/keyboard.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>

namespace qn::toolkit {

namespace {

// The position of the single '&' that marks the mnemonic, or -1.
qsizetype mnemonicMark(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) == QLatin1Char('&')) {
            ++i; // "&&" is an ampersand
            continue;
        }
        return i;
    }
    return -1;
}

} // namespace

void pressButtonsWithEnter(QWidget* root)
{
    for (QPushButton* button : root->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

QChar mnemonicKey(const QString& caption)
{
    const qsizetype mark = mnemonicMark(caption);
    if (mark < 0)
        return {};
    const QChar key = caption.at(mark + 1);
    return key.isLetterOrNumber() ? key.toLower() : QChar();
}

QList<Mnemonic> mnemonicsIn(const QWidget* root, bool visibleOnly)
{
    QList<Mnemonic> found;
    auto add = [&](const QString& caption, QWidget* widget) {
        const QChar key = mnemonicKey(caption);
        if (!key.isNull())
            found.append({key, widget});
    };
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (visibleOnly && !w->isVisibleTo(root))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(button->text(), w);
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            add(group->title(), w);
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            add(label->text(), w);
        else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i), w);
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* action : bar->actions())
                if (action->isVisible())
                    add(action->text(), w);
        }
    }
    return found;
}

QString withFreeMnemonic(const QString& caption, const QSet<QChar>& taken)
{
    QString plain = caption;
    if (const qsizetype mark = mnemonicMark(plain); mark >= 0)
        plain.remove(mark, 1);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        if (c == QLatin1Char('&')) {
            ++i; // an ampersand written "&&"
            continue;
        }
        if (c.isLetterOrNumber() && !taken.contains(c.toLower()))
            return plain.left(i) + QLatin1Char('&') + plain.mid(i);
    }
    return plain;
}

} // namespace qn::toolkit
