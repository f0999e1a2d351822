#pragma once
// TSkinImageBox: an image stretched over the whole control, with GIF
// animation: each frame stays for its delay from the image's frame-delay
// property, counted in ticks of a 10 ms timer. TSkinImage takes its image
// from a toolkit picture (the bytes of a PNG, JPEG, GIF, ...).
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/layout/FrameTiming.h"
#include "drawing/DrawingTypes.h"
#include "skinui/SkinControl.h"
#include "ui/Timer.h"

namespace qelvane {

using TImageBoxPaintEvent = std::function<void(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect)>;

class TSkinImageBox : public TSkinCustomControl {
public:
  explicit TSkinImageBox(TComponent* AOwner);
  ~TSkinImageBox() override;
  std::wstring_view ClassName() const override { return L"TSkinImageBox"; }

  // Loads a file; a GIF starts animating, anything else shows still.
  void LoadFromFile(const std::wstring& AFileName);
  void LoadFromStream(std::span<const uint8_t> AStream, bool AAnimated);
  // Null clears the image.
  void LoadFromImage(const IGPBitmap& AImage, bool AAnimated);
  void AssignTo(TSkinImageBox& Dest) const;

  const IGPBitmap& Image() const { return FImage; }
  // Null is ignored; a new image restarts the animation when it runs.
  void SetImage(const IGPBitmap& Value);
  bool Animated() const { return FAnimated; }
  void SetAnimated(bool Value);
  // Drawn after the image.
  TImageBoxPaintEvent OnPaint;

  // Animation state.
  int32_t FrameCount() const { return FTiming.FrameCount; }
  int32_t FrameIndex() const { return FTiming.FrameIndex; }
  const std::vector<uint32_t>& FrameTimeArr() const { return FTiming.FrameTimeArr; }
  TTimer& DrawTimer() { return *FDrawTimer; }

protected:
  void CustomPaint(Gdiplus::Graphics& Graphics, const TGPRect& ADrawRect) override;
  // Selects a frame of the image; a failure also stops the timer.
  void SelectActiveFrame(const GUID& DimensionID, int32_t AFrameIndex);
  // Reads the frame delays of a GIF and starts the timer, or stops it.
  void InitAnimated();
  void OnDrawTimer();

  TLogSubject Subject() const { return {ClassName(), Name()}; }

  IGPBitmap FImage;

private:
  std::vector<uint8_t> FPropertyItem; // the frame-delay property as read
  TFrameTiming FTiming;
  TTimer* FDrawTimer = nullptr; // owned as a component
  bool FAnimated = false;
};

class TSkinImage : public TSkinImageBox {
public:
  explicit TSkinImage(TComponent* AOwner);
  ~TSkinImage() override;
  std::wstring_view ClassName() const override { return L"TSkinImage"; }

  // The picture; the image box shows it (still) as soon as it is set. A
  // picture that cannot be decoded leaves the previous image.
  const std::shared_ptr<const TGraphic>& Picture() const { return FPicture; }
  void SetPicture(std::shared_ptr<const TGraphic> Value);
  void LoadPictureFromBytes(std::vector<uint8_t> ABytes);

  // Stored only: the image is always stretched over the whole control.
  bool Stretch = false;
  bool Center = false;
  // The control takes the picture's size.
  bool AutoSize = false;

  // A graphics object over the image (a new transparent one of the
  // control's size when there is none yet), for drawing into it.
  std::unique_ptr<Gdiplus::Graphics> ImageGraphics();

protected:
  void PictureChanged();

private:
  std::shared_ptr<const TGraphic> FPicture;
};

} // namespace qelvane
