#include "vcl/Picture.h"

#include "vcl/Exceptions.h"
#include "vcl/Object.h"
#include "vcl/Resources.h"

#include <cctype>
#include <map>

namespace vcl {
namespace {

struct TFileFormat
{
    std::string Description;
    TPicture::TGraphicFactory Factory;
};

struct TCaseless
{
    bool operator()(const std::string& A, const std::string& B) const
    {
        std::string LA = A, LB = B;
        for (char& C : LA)
            C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
        for (char& C : LB)
            C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
        return LA < LB;
    }
};

std::map<std::string, TFileFormat, TCaseless>& Formats()
{
    static std::map<std::string, TFileFormat, TCaseless> Table;
    return Table;
}

} // namespace

void TPicture::RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                  TGraphicFactory Factory)
{
    Formats()[Extension] = {Description, std::move(Factory)};
}

bool TPicture::IsFormatRegistered(const std::string& Extension) { return Formats().count(Extension) != 0; }

std::string TPicture::FormatDescription(const std::string& Extension)
{
    auto It = Formats().find(Extension);
    return It == Formats().end() ? std::string() : It->second.Description;
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> Value)
{
    FGraphic = std::move(Value);
    if (FGraphic)
        FGraphic->OnChange = [this] { Changed(); };
    Changed();
}

void TPicture::Assign(const TPicture& Source)
{
    SetGraphic(Source.FGraphic ? Source.FGraphic->Clone() : nullptr);
}

void TPicture::LoadFromBytes(const std::string& Extension, std::span<const uint8_t> Data)
{
    auto It = Formats().find(Extension);
    if (It == Formats().end())
        throw EInvalidGraphic("Unknown picture file extension (." + Extension + ")");
    std::unique_ptr<TGraphic> Graphic = It->second.Factory();
    try {
        Graphic->LoadFromBytes(Data);
    } catch (...) {
        Clear();
        throw;
    }
    SetGraphic(std::move(Graphic));
}

void TPicture::LoadFromResource(const std::string& ResourceName)
{
    const size_t Dot = ResourceName.rfind('.');
    const std::string Extension = Dot == std::string::npos ? std::string() : ResourceName.substr(Dot + 1);
    LoadFromBytes(Extension, FindResource(ResourceName));
}

void TPicture::Changed()
{
    if (OnChange)
        OnChange();
}

} // namespace vcl
