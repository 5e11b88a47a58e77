#include "framework/Application.h"

namespace qv {

Application& Application::Instance() {
    static Application app;
    return app;
}

const char* ApplicationTitleForErrors() {
    return Application::Instance().Title().c_str();
}

HWND ApplicationWindowForErrors() {
    return Application::Instance().Window();
}

} // namespace qv
