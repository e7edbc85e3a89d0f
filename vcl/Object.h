#pragma once

#include <string>

namespace vcl {

struct TMessage;

// Root of the class tree. Partner components recognise each other by the exact
// class name, so every class that others test for answers its own name.
class TObject
{
public:
    virtual ~TObject() = default;
    virtual std::string ClassName() const { return "TObject"; }
    bool ClassNameIs(const std::string& Name) const;

    // Message dispatch by id: a class looks its handler up and falls back to its base.
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);
};

bool SameText(const std::string& A, const std::string& B);

} // namespace vcl
