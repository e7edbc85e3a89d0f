#pragma once

#include "vcl/Graphic.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace vcl {

// Holds one graphic of a registered format and reports every change.
class TPicture
{
public:
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> Value);
    void Assign(const TPicture& Source);
    void Clear() { SetGraphic(nullptr); }

    // Extension names the format ("jpg"); bad data raises and leaves the picture empty.
    void LoadFromBytes(const std::string& Extension, std::span<const uint8_t> Data);
    // A file from the program's resources, its format told by its extension.
    void LoadFromResource(const std::string& ResourceName);

    std::function<void()> OnChange;

    using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;
    static void RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                   TGraphicFactory Factory);
    static bool IsFormatRegistered(const std::string& Extension);
    static std::string FormatDescription(const std::string& Extension);

private:
    void Changed();
    std::unique_ptr<TGraphic> FGraphic;
};

} // namespace vcl
