#pragma once

#include <QChar>
#include <QList>
#include <QSet>
#include <QString>

class QWidget;

namespace qn::toolkit {

// Enter on a focused push button presses it, as in a dialog, on every button under root.
void pressButtonsWithEnter(QWidget* root);

// The key of a caption's mnemonic ("&Payment Amount": 'p'), lower case; null without one.
// Only letters and digits count: a stray "&" before a blank or a sign is no mnemonic.
QChar mnemonicKey(const QString& caption);

// One mnemonic of a window and the widget that carries it.
struct Mnemonic {
    QChar key;
    QWidget* widget;
};

// The mnemonics of the buttons, group boxes, tab bars, labels with a buddy and the menu
// bar under root; with visibleOnly, only those that can be pressed now.
QList<Mnemonic> mnemonicsIn(const QWidget* root, bool visibleOnly);

// The caption with its mnemonic on the first letter or digit whose key is not taken, or
// without one when every key is.
QString withFreeMnemonic(const QString& caption, const QSet<QChar>& taken);

} // namespace qn::toolkit
