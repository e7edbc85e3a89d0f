#include "vcl/LayoutReader.h"

#include "vcl/Color.h"
#include "vcl/Exceptions.h"

#include <cctype>
#include <limits>

namespace vcl {

struct TLayoutReader::TToken
{
    enum TKind { EndOfText, Ident, Integer, String, Symbol };
    TKind Kind = EndOfText;
    std::string Text;
    int64_t Int = 0;
    int Line = 1;
};

class TLayoutReader::TLexer
{
public:
    TLexer(std::string_view Text, const TLayoutReader& Reader) : FText(Text), FReader(Reader) { Advance(); }

    const TToken& Peek() const { return FCurrent; }
    TToken Next()
    {
        TToken Token = FCurrent;
        Advance();
        return Token;
    }
    TToken Expect(TToken::TKind Kind, const char* What)
    {
        if (FCurrent.Kind != Kind)
            FReader.Fail(FCurrent.Line, std::string("expected ") + What);
        return Next();
    }
    void ExpectSymbol(char Symbol)
    {
        if (FCurrent.Kind != TToken::Symbol || FCurrent.Text[0] != Symbol)
            FReader.Fail(FCurrent.Line, std::string("expected '") + Symbol + "'");
        Advance();
    }
    bool AtSymbol(char Symbol) const { return FCurrent.Kind == TToken::Symbol && FCurrent.Text[0] == Symbol; }

private:
    char At(size_t I) const { return I < FText.size() ? FText[I] : '\0'; }
    void SkipBlanks()
    {
        while (FPos < FText.size()) {
            const char C = FText[FPos];
            if (C == '\n') {
                ++FLine;
                ++FPos;
            } else if (std::isspace(static_cast<unsigned char>(C))) {
                ++FPos;
            } else if (C == '/' && At(FPos + 1) == '/') {
                while (FPos < FText.size() && FText[FPos] != '\n')
                    ++FPos;
            } else {
                break;
            }
        }
    }
    int64_t ReadNumber()
    {
        int64_t Value = 0;
        if (!std::isdigit(static_cast<unsigned char>(At(FPos))))
            FReader.Fail(FLine, "expected a number");
        while (std::isdigit(static_cast<unsigned char>(At(FPos)))) {
            Value = Value * 10 + (FText[FPos++] - '0');
            if (Value > std::numeric_limits<int32_t>::max())
                FReader.Fail(FLine, "number out of range");
        }
        return Value;
    }
    void ReadString()
    {
        FCurrent.Kind = TToken::String;
        while (At(FPos) == '\'' || At(FPos) == '#') {
            if (At(FPos) == '#') {
                ++FPos;
                const int64_t Code = ReadNumber();
                if (Code > 255)
                    FReader.Fail(FLine, "character code out of range");
                FCurrent.Text += static_cast<char>(Code);
                continue;
            }
            ++FPos;
            for (;;) {
                if (FPos >= FText.size() || FText[FPos] == '\n')
                    FReader.Fail(FLine, "unterminated string");
                if (FText[FPos] == '\'') {
                    if (At(FPos + 1) != '\'')
                        break;
                    ++FPos;
                }
                FCurrent.Text += FText[FPos++];
            }
            ++FPos;
        }
    }
    void Advance()
    {
        SkipBlanks();
        FCurrent = TToken{};
        FCurrent.Line = FLine;
        if (FPos >= FText.size())
            return;
        const char C = FText[FPos];
        if (std::isalpha(static_cast<unsigned char>(C)) || C == '_') {
            FCurrent.Kind = TToken::Ident;
            while (std::isalnum(static_cast<unsigned char>(At(FPos))) || At(FPos) == '_' || At(FPos) == '.')
                FCurrent.Text += FText[FPos++];
        } else if (std::isdigit(static_cast<unsigned char>(C)) || C == '-') {
            const bool Negative = C == '-';
            if (Negative)
                ++FPos;
            FCurrent.Kind = TToken::Integer;
            FCurrent.Int = Negative ? -ReadNumber() : ReadNumber();
        } else if (C == '\'' || C == '#') {
            ReadString();
        } else if (std::string_view("=:[](),").find(C) != std::string_view::npos) {
            FCurrent.Kind = TToken::Symbol;
            FCurrent.Text = std::string(1, C);
            ++FPos;
        } else {
            FReader.Fail(FLine, std::string("unexpected character '") + C + "'");
        }
    }

    std::string_view FText;
    const TLayoutReader& FReader;
    size_t FPos = 0;
    int FLine = 1;
    TToken FCurrent;
};

TLayoutReader::TLayoutReader(TComponent& Root, THandlerLookup FindHandler)
    : FRoot(Root), FFindHandler(std::move(FindHandler))
{}

void TLayoutReader::Fail(int Line, const std::string& Message) const
{
    throw ELayoutError("Layout line " + std::to_string(Line) + ": " + Message);
}

void TLayoutReader::Read(std::string_view Text)
{
    FRoot.BeginLoading();
    TLexer Lexer(Text, *this);
    ReadObject(Lexer, nullptr, true);
    if (Lexer.Peek().Kind != TToken::EndOfText)
        Fail(Lexer.Peek().Line, "text after the last 'end'");
    for (const TFixup& Fixup : FFixups) {
        TComponent* Found = FRoot.FindComponent(Fixup.Value.Text);
        if (!Found)
            Fail(Fixup.Value.Line, "no component named " + Fixup.Value.Text);
        Fixup.Bind(Found);
    }
    for (TComponent* Component : FLoaded)
        Component->EndLoading();
    FRoot.EndLoading();
}

void TLayoutReader::ReadObject(TLexer& Lexer, TComponent* Parent, bool IsRoot)
{
    const TToken Keyword = Lexer.Expect(TToken::Ident, "'object'");
    if (!SameText(Keyword.Text, "object"))
        Fail(Keyword.Line, "expected 'object'");
    const TToken Name = Lexer.Expect(TToken::Ident, "a component name");
    Lexer.ExpectSymbol(':');
    const TToken Class = Lexer.Expect(TToken::Ident, "a class name");
    TComponent* Target = &FRoot;
    if (IsRoot) {
        if (!FRoot.ClassNameIs(Class.Text))
            Fail(Class.Line, "the layout is for " + Class.Text + ", not " + FRoot.ClassName());
    } else {
        const TClassInfo* Info = FindClassInfo(Class.Text);
        if (!Info || !Info->Create)
            Fail(Class.Line, "unknown class " + Class.Text);
        Target = Info->Create(&FRoot);
        FLoaded.push_back(Target);
        Target->BeginLoading();
    }
    try {
        Target->SetName(Name.Text);
        if (Parent)
            Target->SetParentComponent(Parent);
    } catch (const Exception& E) {
        Fail(Name.Line, E.Message());
    }
    for (;;) {
        const TToken& Token = Lexer.Peek();
        if (Token.Kind != TToken::Ident)
            Fail(Token.Line,
                 Token.Kind == TToken::EndOfText ? "missing 'end'" : "expected a property or 'end'");
        if (SameText(Token.Text, "end")) {
            Lexer.Next();
            return;
        }
        if (SameText(Token.Text, "object")) {
            ReadObject(Lexer, Target, false);
            continue;
        }
        const TToken Property = Lexer.Next();
        Lexer.ExpectSymbol('=');
        TLayoutValue Value = ReadValue(Lexer);
        ApplyProperty(*Target, Target->ClassName(), Property.Text, Value);
    }
}

TLayoutValue TLayoutReader::ReadValue(TLexer& Lexer)
{
    TLayoutValue Value;
    const TToken Token = Lexer.Next();
    Value.Line = Token.Line;
    switch (Token.Kind) {
    case TToken::Integer:
        Value.Kind = TLayoutValue::Integer;
        Value.Int = Token.Int;
        return Value;
    case TToken::String:
        Value.Kind = TLayoutValue::String;
        Value.Text = Token.Text;
        return Value;
    case TToken::Ident:
        Value.Kind = TLayoutValue::Ident;
        Value.Text = Token.Text;
        return Value;
    case TToken::Symbol:
        if (Token.Text == "[") {
            Value.Kind = TLayoutValue::Set;
            while (!Lexer.AtSymbol(']')) {
                Value.Items.push_back(Lexer.Expect(TToken::Ident, "a set member").Text);
                if (!Lexer.AtSymbol(']'))
                    Lexer.ExpectSymbol(',');
            }
            Lexer.Next();
            return Value;
        }
        if (Token.Text == "(") {
            Value.Kind = TLayoutValue::List;
            while (!Lexer.AtSymbol(')'))
                Value.Items.push_back(Lexer.Expect(TToken::String, "a string").Text);
            Lexer.Next();
            return Value;
        }
        break;
    case TToken::EndOfText:
        break;
    }
    Fail(Token.Line, "expected a value");
}

void TLayoutReader::ApplyProperty(TComponent& Target, const std::string& ClassName,
                                  const std::string& Property, const TLayoutValue& Value)
{
    const TPropertySetter* Setter = FindProperty(ClassName, Property);
    if (!Setter)
        Fail(Value.Line, "unknown property " + ClassName + "." + Property);
    try {
        (*Setter)(Target, Value, *this);
    } catch (const ELayoutError&) {
        throw;
    } catch (const std::exception& E) {
        Fail(Value.Line, Property + ": " + E.what());
    }
}

TNotifyEvent TLayoutReader::Handler(const TLayoutValue& Value) const
{
    if (Value.Kind != TLayoutValue::Ident)
        Fail(Value.Line, "expected a handler name");
    TNotifyEvent Event = FFindHandler ? FFindHandler(Value.Text) : TNotifyEvent();
    if (!Event)
        Fail(Value.Line, "no handler named " + Value.Text);
    return Event;
}

void TLayoutReader::AddFixup(const TLayoutValue& Value, std::function<void(TComponent*)> Bind)
{
    if (Value.Kind != TLayoutValue::Ident)
        Fail(Value.Line, "expected a component name");
    FFixups.push_back({Value, std::move(Bind)});
}

int LayoutInt(const TLayoutValue& Value, const TLayoutReader& Reader)
{
    if (Value.Kind != TLayoutValue::Integer)
        Reader.Fail(Value.Line, "expected a number");
    return static_cast<int>(Value.Int);
}

bool LayoutBool(const TLayoutValue& Value, const TLayoutReader& Reader)
{
    return LayoutEnum<bool>(Value, Reader, {{"True", true}, {"False", false}});
}

std::string LayoutString(const TLayoutValue& Value, const TLayoutReader& Reader)
{
    if (Value.Kind != TLayoutValue::String)
        Reader.Fail(Value.Line, "expected a string");
    return Value.Text;
}

int LayoutColor(const TLayoutValue& Value, const TLayoutReader& Reader)
{
    if (Value.Kind == TLayoutValue::Integer)
        return static_cast<int>(Value.Int);
    return LayoutEnum<int>(Value, Reader,
                           {{"clBlack", clBlack},
                            {"clMaroon", clMaroon},
                            {"clGray", clGray},
                            {"clYellow", clYellow},
                            {"clBlue", clBlue},
                            {"clRed", clRed},
                            {"clWhite", clWhite},
                            {"clWindow", clWindow},
                            {"clWindowText", clWindowText},
                            {"clBtnFace", clBtnFace}});
}

TAnchors LayoutAnchors(const TLayoutValue& Value, const TLayoutReader& Reader)
{
    if (Value.Kind != TLayoutValue::Set)
        Reader.Fail(Value.Line, "expected a set of anchors");
    TAnchors Anchors;
    for (const std::string& Item : Value.Items) {
        TLayoutValue Member{TLayoutValue::Ident, 0, Item, {}, Value.Line};
        Anchors.Include(LayoutEnum<TAnchorKind>(
            Member, Reader,
            {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}}));
    }
    return Anchors;
}

} // namespace vcl
