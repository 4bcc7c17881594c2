// A window procedure object over a plain function, the same for every backend.
#include <memory>
#include <utility>

#include "platform/Window.h"

namespace platform {
namespace {

class FunctionProcedure final : public WindowProcedure {
 public:
  explicit FunctionProcedure(WindowProcFunction fn) : m_Fn(std::move(fn)) {}
  LRESULT operator()(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    return m_Fn ? m_Fn(hWnd, uMsg, wParam, lParam) : 0;
  }

 private:
  WindowProcFunction m_Fn;
};

}  // namespace

WNDPROC MakeWindowProc(WindowProcFunction fn) { return std::make_shared<FunctionProcedure>(std::move(fn)); }

}  // namespace platform
