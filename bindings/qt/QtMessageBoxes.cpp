#include "bindings/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace trevalo::qt {

using namespace ui;

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QRect availableArea()
{
    QWidget* parent = QApplication::activeWindow();
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// A QMessageBox grows with its text; a prompt of a few hundred lines (a
// large import's listing) would run off the screen. Such a prompt goes into
// a scrolling text area at most two thirds of the screen high.
bool tooTallForABox(const QString& text)
{
    const QFontMetrics metrics(QApplication::font("QMessageBox"));
    const int lines = int(text.count(QLatin1Char('\n'))) + 1;
    return lines * metrics.lineSpacing() > availableArea().height() * 2 / 3;
}

Answer showScrolling(const QString& text, const QString& title, Buttons buttons)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QPlainTextEdit(text, &dialog);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFrameShape(QFrame::NoFrame);
    view->setBackgroundRole(QPalette::Window);
    view->setObjectName(QStringLiteral("prompt"));
    layout->addWidget(view);

    auto* box = new QDialogButtonBox(&dialog);
    Answer answer = buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    auto add = [&](QDialogButtonBox::StandardButton which, Answer meaning) {
        QPushButton* button = box->addButton(which);
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &answer, meaning] {
            answer = meaning;
            dialog.accept();
        });
        return button;
    };
    if (buttons == Buttons::Ok) {
        add(QDialogButtonBox::Ok, Answer::Ok)->setDefault(true);
    } else {
        add(QDialogButtonBox::Yes, Answer::Yes)->setDefault(true);
        add(QDialogButtonBox::No, Answer::No);
        add(QDialogButtonBox::Cancel, Answer::Cancel);
    }
    layout->addWidget(box);

    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QRect area = availableArea();
    dialog.resize(std::min(widest + 60, area.width() * 2 / 3), area.height() * 2 / 3);
    dialog.exec();
    return answer;
}

}

Answer QtMessageBoxes::show(std::string_view prompt, std::string_view title, Buttons buttons)
{
    if (on_before_show)
        on_before_show();

    QString text = fromUtf8(prompt);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString caption = title.empty() ? QGuiApplication::applicationDisplayName() : fromUtf8(title);
    if (tooTallForABox(text))
        return showScrolling(text, caption, buttons);

    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);

    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    box.exec();

    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        // Closed some other way than by a button.
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

}
