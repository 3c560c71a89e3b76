#include "ui/qt/application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QStandardPaths>

#include "ui/qt/accessible.h"

namespace ui::qt {
namespace {

const QString AppId = QStringLiteral("org.huecracker.Huecracker");

// The icon installed where icon themes keep it, else the one built in. Title
// bars and task switchers take these sizes; larger views find the installed
// icon through the desktop entry. Both ways avoid what costs more than
// bringing up the window itself: the icon loader reads the theme's whole index
// at every start, and decoding a PNG first loads every image plugin's details.
QIcon gameIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
            QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId));
        if (!installed.isEmpty()) {
            icon.addFile(installed, QSize(size, size));
            continue;
        }
        // Raw RGBA, made from the same artwork as the installed PNGs.
        const QByteArray pixels
            = QResource(QStringLiteral(":/icons/%1-%2.rgba").arg(AppId).arg(size)).uncompressedData();
        if (pixels.size() == qsizetype{size} * size * 4) {
            const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size, QImage::Format_RGBA8888);
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

}  // namespace

void setUpApplication()
{
    // Where the window's faces are missing, these stand in with the same size and weight.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Lucida Handwriting"), QStringLiteral("Dancing Script"));
    installAccessibility();
    QApplication::setWindowIcon(gameIcon());
    // Ties the window to its desktop entry; unlike a display name it leaves window titles alone.
    QGuiApplication::setDesktopFileName(AppId);
}

}  // namespace ui::qt
