#include "SiteAddress.h"

#include "SiteAddressConfig.h"

QString SiteAddress()
{
    return QStringLiteral(QVO_SITE_ADDRESS);
}

QString ProductBaseAddress()
{
    return SiteAddress() + QStringLiteral("/orbalpath/");
}

QString PageUrl(const QString &pageKey)
{
    return SiteAddress() + QStringLiteral("/orbalpath/ssd.php?page=") + pageKey;
}
