#pragma once
// The product web site that the Help menu opens in the browser.

constexpr const char* kWebSiteAddress = "https://www.tamek.be";
// The Help menu item shows the address without the scheme.
constexpr const char* kWebSiteLabel = "www.tamek.be";
