// A tape surface that shows every line and also keeps it in a TapeStore:
// appends go to the shown surface, then to the store; clearing empties
// both. The first write that fails drops the store, so keeping stops for
// the run, and reports why once; the shown tape goes on regardless.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "tape/tape.h"
#include "tape/tape_store.h"

namespace tavrel {

class KeptTapeSurface : public TapeSurface {
  public:
    explicit KeptTapeSurface(TapeSurface& shown) : shown_(shown) {}

    // The store that receives the lines from now on; none keeps nothing.
    void keepIn(std::unique_ptr<TapeStore> store) { store_ = std::move(store); }
    TapeStore* store() const { return store_.get(); }
    // Called with the store's reason when a write fails.
    std::function<void(const std::string& reason)> onFailure;

    // Shows lines without keeping them again: the saved tape at start.
    void showSaved(std::string_view tapeText) { shown_.append(tapeText); }

    const std::string& text() const override { return shown_.text(); }
    void append(std::string_view text) override;
    void clearText() override;
    std::size_t length() const override { return shown_.length(); }
    void setSelStart(std::size_t position) override { shown_.setSelStart(position); }
    long scrollPosition() const override { return shown_.scrollPosition(); }
    void setScrollPosition(long topLine) override { shown_.setScrollPosition(topLine); }

  private:
    void failed();

    TapeSurface& shown_;
    std::unique_ptr<TapeStore> store_;
};

}  // namespace tavrel
