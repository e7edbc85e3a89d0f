#pragma once

#include <vector>

namespace vcl {

class TCustomForm;

// All forms of the program, hidden ones included, and the primary display.
class TScreen
{
public:
    const std::vector<TCustomForm*>& Forms() const { return FForms; }
    int FormCount() const { return static_cast<int>(FForms.size()); }
    int Width() const;
    int Height() const;
    TCustomForm* ActiveForm() const { return FActiveForm; }
    void SetActiveForm(TCustomForm* Form) { FActiveForm = Form; }

    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);

private:
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
};

extern TScreen* const Screen;

} // namespace vcl
