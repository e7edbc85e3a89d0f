#pragma once

#include <memory>

namespace vcl::qt {

// Starts Qt and serves as the component layer's platform while it lives.
class TQtSession
{
public:
    TQtSession(int& Argc, char** Argv);
    ~TQtSession();
    TQtSession(const TQtSession&) = delete;
    TQtSession& operator=(const TQtSession&) = delete;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

} // namespace vcl::qt
