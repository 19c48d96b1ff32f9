// A container may destroy a button from the Click that its access key raised, which
// runs from the message loop and not from the button's window procedure. The button
// objects of this test program live on pages of their own that become unreadable when
// the object is freed, so any use after the free stops the program at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <new>

#include "tests/buttonex/win_fixture.h"

namespace {

std::array<void*, 256> g_guarded{};
std::size_t g_guardedCount = 0;

bool IsGuarded(void* p) {
  for (std::size_t i = 0; i < g_guardedCount; ++i) {
    if (g_guarded[i] == p) return true;
  }
  return false;
}

}  // namespace

void* operator new(std::size_t size) {
  if (size == sizeof(discfront::buttonex::ButtonEx) && g_guardedCount < g_guarded.size()) {
    if (void* p = VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE)) {
      g_guarded[g_guardedCount++] = p;
      return p;
    }
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  DWORD old = 0;
  if (IsGuarded(p)) {
    VirtualProtect(p, sizeof(discfront::buttonex::ButtonEx), PAGE_NOACCESS, &old);  // kept, never reused
    return;
  }
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace discfront::buttonex {
namespace {

using E = ButtonEvent;

TEST(AccessKeyGuard, AClickFromTheMessageLoopMayDestroyTheButton) {
  testing::Container c;
  ButtonEx* b = c.Add(7, 10, 10);
  b->Props().SetCaption(L"&Выход");
  const HWND button = b->hwnd();
  c.react = [](HWND from, std::optional<E> event) {
    if (event == E::kClick) DestroyWindow(from);
  };
  const MSG alt{button, WM_SYSCHAR, L'в', 0, 0, {}};
  EXPECT_TRUE(ButtonEx::TranslateAccessKey(alt));
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(c.events, std::vector<E>{E::kClick});
  EXPECT_EQ(c.commandClicks, 0) << "a destroyed button reported BN_CLICKED";
}

}  // namespace
}  // namespace discfront::buttonex
