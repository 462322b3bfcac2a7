#pragma once

#include <QString>

// Scheme and host of the maker's web site, without a trailing slash; chosen
// when the program is built. Every page address begins with it.
QString SiteAddress();

// The program's own folder on the site: SiteAddress followed by "/orbalpath/".
QString ProductBaseAddress();

// The address of one page of the site, the key inserted as it stands.
QString PageUrl(const QString &pageKey);
