#include "testsupport/ZachytceOdkazu.h"

#include <QDesktopServices>

ZachytceOdkazu::ZachytceOdkazu()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "otevri");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "otevri");
}

ZachytceOdkazu::~ZachytceOdkazu()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}
