#pragma once

#include <stdexcept>
#include <string>

namespace vcl {

class Exception : public std::runtime_error
{
public:
    explicit Exception(const std::string& Message) : std::runtime_error(Message) {}
    std::string Message() const { return what(); }
};

class EComponentError : public Exception
{
    using Exception::Exception;
};

class EOutOfResources : public Exception
{
    using Exception::Exception;
};

class EInvalidGraphic : public Exception
{
    using Exception::Exception;
};

class ELayoutError : public Exception
{
    using Exception::Exception;
};

} // namespace vcl
