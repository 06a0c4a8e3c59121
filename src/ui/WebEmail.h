#pragma once

class LinkOpener;

// The maker's pages and a new mail to the maker, in the user's own programs.
// A link that no program can open is silently ignored.
void OpenWebPage(LinkOpener& links);
void OpenBlogPage(LinkOpener& links);
void SendEmail(LinkOpener& links);
