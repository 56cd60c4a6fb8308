// Renders the conversion dialog and its About box side by side into a PNG,
// each under a drawn caption bar, as the README shows them. Runs the real
// start-up on whatever platform Qt is given (offscreen in scripts/screenshot).
#include "platform/qt/win_app.h"
#include "res/quintaro_resources.h"
#include "res/resource.h"
#include "tests/ui/modal_helpers.h"
#include "ui/conversion_dialog.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTest>

#include <cstdio>

namespace {

constexpr int kCaptionHeight = 22;
constexpr int kMargin = 16;

// The window's contents under a caption bar with its icon and title.
QImage Framed(QWidget* window)
{
    QPixmap contents = window->grab();
    QImage framed(contents.width() + 2, contents.height() + kCaptionHeight + 2, QImage::Format_RGB32);
    framed.fill(QColor(0x40, 0x40, 0x40));
    QPainter painter(&framed);
    painter.fillRect(1, 1, contents.width(), kCaptionHeight, QColor(0x00, 0x00, 0x80));
    window->windowIcon().paint(&painter, QRect(4, 4, 16, 16));
    painter.setPen(Qt::white);
    QFont font = window->font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(24, 1, contents.width() - 24, kCaptionHeight), Qt::AlignVCenter, window->windowTitle());
    painter.drawPixmap(1, kCaptionHeight + 1, contents);
    return framed;
}

QImage SideBySide(const QImage& left, const QImage& right)
{
    QImage sheet(left.width() + right.width() + 3 * kMargin, std::max(left.height(), right.height()) + 2 * kMargin, QImage::Format_RGB32);
    sheet.fill(QColor(0x3a, 0x6e, 0xa5));
    QPainter painter(&sheet);
    painter.drawImage(kMargin, kMargin, left);
    painter.drawImage(2 * kMargin + left.width(), kMargin, right);
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    QImage dialogImage;
    QImage aboutImage;

    QTimer::singleShot(0, [&] {
        auto* dialog = dynamic_cast<CConversionDialog*>(AfxGetMainWnd());
        if (!dialog)
            return;
        QWidget* window = WidgetOf(*dialog);
        (void)QTest::qWaitForWindowActive(window);
        Control<QLineEdit>(*dialog, IDC_INPUT_FILE)->setText("/home/me/icons/tools.ico");
        Control<QLineEdit>(*dialog, IDC_OUTPUT_FILE)->setText("/home/me/icons/tools.bmp");
        dialogImage = Framed(window);

        WhenShown about([](QWidget* w) { return w->windowTitle() == "About Quintaro Conversion Utility"; },
            [&](QWidget* w) {
                (void)QTest::qWaitForWindowExposed(w);
                aboutImage = Framed(w);
                QTest::keyClick(w, Qt::Key_Escape);
            });
        dialog->SendMessage(WM_SYSCOMMAND, IDM_ABOUT_ITEM, 0);
        dialog->EndDialog(IDCANCEL);
    });
    AfxWinMain(argc, argv, QuintaroResources());

    if (dialogImage.isNull() || aboutImage.isNull()) {
        std::fprintf(stderr, "the dialogs did not show\n");
        return 1;
    }
    return SideBySide(dialogImage, aboutImage).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
