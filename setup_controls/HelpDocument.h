#pragma once

#include <string>

namespace setup {

// What the help window's document says about this card.
struct THelpDocumentContent
{
    std::string CompanyName;
    std::string CardName;
    std::string SeriesSuffix;
    // Each port's options are set alike: the document says so.
    bool MultiPort = false;
    // The File menu offers the installed-card listing: the document points to it.
    bool ListsCards = false;
};

// The "How to use this program" guide as RTF.
std::string HelpDocument(const THelpDocumentContent& Content);

} // namespace setup
