#include "vcl/Object.h"

#include "vcl/Messages.h"

#include <algorithm>
#include <cctype>

namespace vcl {

bool SameText(const std::string& A, const std::string& B)
{
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) {
               return std::tolower(static_cast<unsigned char>(X)) ==
                      std::tolower(static_cast<unsigned char>(Y));
           });
}

bool TObject::ClassNameIs(const std::string& Name) const { return SameText(ClassName(), Name); }

void TObject::Dispatch(TMessage& Message) { DefaultHandler(Message); }

void TObject::DefaultHandler(TMessage&) {}

} // namespace vcl
