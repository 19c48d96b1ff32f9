// A host for the button model that records what the model asks of its window.
#pragma once

#include <stdexcept>
#include <vector>

#include "buttonex/button_model.h"

namespace discfront::buttonex::testing {

class FakePicture final : public PictureObject {
 public:
  FakePicture(std::int32_t widthHimetric, std::int32_t heightHimetric, std::string bytes)
      : width_(widthHimetric), height_(heightHimetric), bytes_(std::move(bytes)) {}
  PictureKind Kind() const override { return PictureKind::kBitmap; }
  std::uintptr_t Handle() const override { return 1; }
  std::int32_t WidthHimetric() const override { return width_; }
  std::int32_t HeightHimetric() const override { return height_; }
  const std::string& Bytes() const override { return bytes_; }

 private:
  std::int32_t width_, height_;
  std::string bytes_;
};

// "WxH:rest" becomes a picture of that HIMETRIC size.
inline PictureRef DecodeFake(const std::string& bytes) {
  int w = 0, h = 0;
  if (std::sscanf(bytes.c_str(), "%dx%d:", &w, &h) != 2) return nullptr;
  return std::make_shared<FakePicture>(w, h, bytes);
}

inline PictureRef Fake(int w, int h, const char* tag = "") {
  return DecodeFake(std::to_string(w) + "x" + std::to_string(h) + ":" + tag);
}

class FakeHost : public ButtonHost {
 public:
  void Draw(const DrawPlan& plan) override { draws.push_back(plan); }
  void Raise(const EventArgs& args) override { events.push_back(args); }
  void PropertyChanged(Prop p) override { changed.push_back(p); }
  void Apply(Prop) override {}
  void StartExitWatch() override { ++watchStarts; }
  bool UserMode() const override {
    if (userModeFails) throw std::runtime_error("no ambient");
    return userMode;
  }
  Size MeasureCaption(const std::wstring& caption, const FontRef&) override {
    return {static_cast<int>(caption.size()) * 6, 13};
  }
  void ResizeTo(Size pixels) override {
    if (model && !(pixels == model->ControlSize())) model->OnResize(pixels);
  }

  void Clear() {
    draws.clear();
    events.clear();
    changed.clear();
  }
  std::vector<ButtonEvent> EventKinds() const {
    std::vector<ButtonEvent> kinds;
    for (const auto& e : events) kinds.push_back(e.event);
    return kinds;
  }

  ButtonModel* model = nullptr;
  std::vector<DrawPlan> draws;
  std::vector<EventArgs> events;
  std::vector<Prop> changed;
  int watchStarts = 0;
  bool userMode = true;
  bool userModeFails = false;
};

// A model hosted by a FakeHost, set up as a new 80 x 24 control.
struct Hosted {
  Hosted() {
    host.model = &model;
    model.OnResize({80, 24});
    model.InitProperties(std::make_shared<const FontDescription>());
    host.Clear();
  }
  FakeHost host;
  ButtonModel model{host};
};

}  // namespace discfront::buttonex::testing
