#include "platform/shell.h"

#include "app/program_folder.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace ixo {

namespace {
struct BrowserHooks
{
    bool testMode = false;
    QString last;
};
BrowserHooks &hooks()
{
    static BrowserHooks h;
    return h;
}
} // namespace

QString HomepageAddress()
{
    return QUrl::fromLocalFile(QDir(ProgramFolder()).filePath(QStringLiteral("manual.html"))).toString();
}

void OpenInBrowser(const QString &address)
{
    hooks().last = address;
    if (!hooks().testMode)
        QDesktopServices::openUrl(QUrl(address));
}

void SetBrowserTestMode(bool on)
{
    hooks().testMode = on;
    hooks().last.clear();
}

QString LastOpenedAddress()
{
    return hooks().last;
}

} // namespace ixo
