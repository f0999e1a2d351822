#pragma once
// The vocabulary of the skin document: the skin paths the engine reads.
//
// Absolute paths are below the document's top node. Keys that start with a
// backslash are appended to a style's path (a collection folder, a
// backslash and the style's folder name, e.g. "ControlStyle\Button" + "\0").
#include "core/btd/BinTreeNode100.h"

#include <span>
#include <string>
#include <string_view>

namespace qelvane::skinpath {

using P = std::u16string_view;

// Skin information.
inline constexpr P SkinInfo = u"SkinInfo";
inline constexpr P SkinName = u"SkinInfo\\SkinName";
inline constexpr P SkinVersion = u"SkinInfo\\SkinVersion";

// Skinned forms.
inline constexpr P SkinForm = u"SkinForm";
inline constexpr P AppCaptionX = u"SkinForm\\AppCaption\\X";
inline constexpr P AppCaptionY = u"SkinForm\\AppCaption\\Y";
inline constexpr P SysBtns = u"SkinForm\\SysBtns";
inline constexpr P MinBtnRight = u"SkinForm\\SysBtns\\Position\\MinBtnRight";
inline constexpr P MinBtnTop = u"SkinForm\\SysBtns\\Position\\MinBtnTop";
inline constexpr P MaxBtnRight = u"SkinForm\\SysBtns\\Position\\MaxBtnRight";
inline constexpr P MaxBtnTop = u"SkinForm\\SysBtns\\Position\\MaxBtnTop";
inline constexpr P CloseBtnRight = u"SkinForm\\SysBtns\\Position\\CloseBtnRight";
inline constexpr P CloseBtnTop = u"SkinForm\\SysBtns\\Position\\CloseBtnTop";
// System button images: SkinForm\SysBtns\<button>_<state>_Active.png (states
// Normal, Hover, Down) and ..._Inactive.png (Normal, Hover; not read).
inline constexpr P SysBtnMin = u"Min";
inline constexpr P SysBtnMax = u"Max";
inline constexpr P SysBtnRestore = u"Restore";
inline constexpr P SysBtnClose = u"Close";
std::u16string SysBtnImage(P AButton, P AState, bool AActive = true);
inline constexpr P ShadowBitmap = u"SkinForm\\Shadow\\ShadowBitmap.png";
inline constexpr P ShadowLeftBitmap = u"SkinForm\\Shadow\\ShadowLeftBitmap.png";
inline constexpr P ShadowTopBitmap = u"SkinForm\\Shadow\\ShadowTopBitmap.png";
inline constexpr P ShadowRightBitmap = u"SkinForm\\Shadow\\ShadowRightBitmap.png";
inline constexpr P ShadowBottomBitmap = u"SkinForm\\Shadow\\ShadowBottomBitmap.png";
inline constexpr P EnabledShadow = u"SkinForm\\Shadow\\EnabledShadow";
inline constexpr P ShadowSizeMargin = u"SkinForm\\Shadow\\ShadowSizeMargin";
inline constexpr P ShadowDrawMargin = u"SkinForm\\Shadow\\ShadowDrawMargin";
// Overlay backgrounds: one folder per configuration.
inline constexpr P SufferBackGroundConfigs = u"SkinForm\\SufferBackGroundConfigs";
inline constexpr P SufferImage = u"\\Image";
inline constexpr P SufferMargin = u"\\Margin";
inline constexpr P SufferClipMargin = u"\\ClipMargin";
inline constexpr P SufferStretchMode = u"\\StretchMode";
inline constexpr P SufferStretch = u"\\Stretch";

// Control style collections: one folder per style below each.
inline constexpr P ControlStyle = u"ControlStyle";
inline constexpr P ButtonStyles = u"ControlStyle\\Button";
inline constexpr P BitButtonStyles = u"ControlStyle\\BitButton";
inline constexpr P SpeedButtonStyles = u"ControlStyle\\SpeedButton";
inline constexpr P DropDownButtonStyles = u"ControlStyle\\DropDownButton";
inline constexpr P HorzPageControlStyles = u"ControlStyle\\PageControlEx\\Horizontal";
inline constexpr P VertPageControlStyles = u"ControlStyle\\PageControlEx\\Vertical";
inline constexpr P ZoneViewScrollBarStyles = u"ControlStyle\\ZoneViewScrollBar";
inline constexpr P ZoneViewStyles = u"ControlStyle\\ZoneViewStyle";
inline constexpr P HeadFrameStyles = u"ControlStyle\\HeadFrame";
inline constexpr P PanelStyle = u"ControlStyle\\Panel";
inline constexpr P PopupMenu = u"ControlStyle\\PopupMenu";

// Button, bit button, speed button and drop-down button styles.
inline constexpr P BtnNormal = u"\\Normal.png";
inline constexpr P BtnHover = u"\\Hover.png";
inline constexpr P BtnDown = u"\\Down.png";
inline constexpr P BtnDisabled = u"\\Disabled.png";
inline constexpr P BtnFocused = u"\\Focused.png";
inline constexpr P DropDownWidth = u"\\DropDownWidth";
inline constexpr P IsLeftRightBitmapSeperate = u"\\IsLeftRightBitmapSeperate";
inline constexpr P LeftNormal = u"\\LeftNormal.png";
inline constexpr P LeftHover = u"\\LeftHover.png";
inline constexpr P LeftDown = u"\\LeftDown.png";
inline constexpr P LeftDisabled = u"\\LeftDisabled.png";
inline constexpr P LeftFocused = u"\\LeftFocused.png";
inline constexpr P RightNormal = u"\\RightNormal.png";
inline constexpr P RightHover = u"\\RightHover.png";
inline constexpr P RightDown = u"\\RightDown.png";
inline constexpr P RightDisabled = u"\\RightDisabled.png";
inline constexpr P RightFocused = u"\\RightFocused.png";

// Page control styles.
inline constexpr P TabBtnImg_Hover = u"\\TabBtnImg_Hover.png";
inline constexpr P TabBtnImg_Down = u"\\TabBtnImg_Down.png";
inline constexpr P TabBtnImg_Normal = u"\\TabBtnImg_Normal.png";
inline constexpr P TabBackGround = u"\\TabBackGround.png";
inline constexpr P AttachButton_Hover = u"\\AttachButton_Hover.png";
inline constexpr P AttachButton_Down = u"\\AttachButton_Down.png";
inline constexpr P AttachButton_Normal = u"\\AttachButton_Normal.png";
inline constexpr P CustomButton_Hover = u"\\CustomButton_Hover.png";
inline constexpr P CustomButton_Down = u"\\CustomButton_Down.png";
inline constexpr P CustomButton_Normal = u"\\CustomButton_Normal.png";
inline constexpr P CloseButton_Hover = u"\\CloseButton_Hover.png";
inline constexpr P CloseButton_Down = u"\\CloseButton_Down.png";
inline constexpr P CloseButton_Normal = u"\\CloseButton_Normal.png";
inline constexpr P PageDownButton_Hover = u"\\PageDownButton_Hover.png";
inline constexpr P PageDownButton_Down = u"\\PageDownButton_Down.png";
inline constexpr P PageDownButton_Normal = u"\\PageDownButton_Normal.png";
inline constexpr P PageDownButton_Disabled = u"\\PageDownButton_Disabled.png";
inline constexpr P PageUpButton_Hover = u"\\PageUpButton_Hover.png";
inline constexpr P PageUpButton_Down = u"\\PageUpButton_Down.png";
inline constexpr P PageUpButton_Normal = u"\\PageUpButton_Normal.png";
inline constexpr P PageUpButton_Disabled = u"\\PageUpButton_Disabled.png";

// Zone view scroll bar styles.
inline constexpr P HorzUp = u"\\Horizontal\\Up.png";
inline constexpr P HorzScroll = u"\\Horizontal\\Scroll.png";
inline constexpr P HorzDown = u"\\Horizontal\\Down.png";
inline constexpr P VertUp = u"\\Vertical\\Up.png";
inline constexpr P VertScroll = u"\\Vertical\\Scroll.png";
inline constexpr P VertDown = u"\\Vertical\\Down.png";

// Zone view styles.
inline constexpr P ZoneHeadFrameActive = u"\\ZoneHeadFrame\\FrameActive";
inline constexpr P ZoneHeadFrameNormal = u"\\ZoneHeadFrame\\FrameNormal";
inline constexpr P ZoneNodeExpandIcon = u"\\ZoneNodeStateIcons\\Expand";
inline constexpr P ZoneNodeCollapseIcon = u"\\ZoneNodeStateIcons\\Collapse";
inline constexpr P IconXOffset = u"\\ZoneIcons\\IconXOffset";
inline constexpr P IconYOffset = u"\\ZoneIcons\\IconYOffset";
inline constexpr P ZoneBackActive = u"\\ZoneBackImage\\Active";
inline constexpr P ZoneBackHover = u"\\ZoneBackImage\\Hover";
inline constexpr P ZoneBackNormal = u"\\ZoneBackImage\\Normal";
inline constexpr P ZoneNodeCollapseBackImage = u"\\ZoneNodeBackImage\\CollapseBackImage";
inline constexpr P ZoneNodeExpandBackImage = u"\\ZoneNodeBackImage\\ExpandBackImage";
inline constexpr P ZoneNodeHover = u"\\ZoneNodeBackImage\\Hover";
inline constexpr P NodeNormalFont = u"\\ZoneFont\\NodeNormalFont";
inline constexpr P NodeActiveFont = u"\\ZoneFont\\NodeActiveFont";
inline constexpr P NodeHoverFont = u"\\ZoneFont\\NodeHoverFont";
inline constexpr P NodeFontXOffset = u"\\ZoneFont\\NodeFontXOffset";
inline constexpr P NodeFontYOffset = u"\\ZoneFont\\NodeFontYOffset";
inline constexpr P NickNormalFont = u"\\ZoneFont\\NickNormalFont";
inline constexpr P NickActiveFont = u"\\ZoneFont\\NickActiveFont";
inline constexpr P NickHoverFont = u"\\ZoneFont\\NickHoverFont";
inline constexpr P InfoNormalFont = u"\\ZoneFont\\InfoNormalFont";
inline constexpr P InfoActiveFont = u"\\ZoneFont\\InfoActiveFont";
inline constexpr P InfoHoverFont = u"\\ZoneFont\\InfoHoverFont";
inline constexpr P MainNormalFont = u"\\ZoneFont\\MainNormalFont";
inline constexpr P MainActiveFont = u"\\ZoneFont\\MainActiveFont";
inline constexpr P MainHoverFont = u"\\ZoneFont\\MainHoverFont";
// The key under which the default skin stores the node-active font; the
// engine reads NodeActiveFont and never this one.
inline constexpr P NodeAcitveFont = u"\\ZoneFont\\NodeAcitveFont";

// Head frame styles.
inline constexpr P FrameActive = u"\\FrameActive";
inline constexpr P FrameNormal = u"\\FrameNormal";
inline constexpr P FrameMargin = u"\\FrameMargin";

// The panel style (one item, no style folders).
inline constexpr P FormClientPanelBackImage = u"ControlStyle\\Panel\\FormClientPanelBackImage";

// Popup menu images and settings.
inline constexpr P MenuArrowBitmap = u"ControlStyle\\PopupMenu\\MenuArrowBitmap";
inline constexpr P MenuBkgBitmap = u"ControlStyle\\PopupMenu\\MenuBkgBitmap";
inline constexpr P MenuCheck = u"ControlStyle\\PopupMenu\\MenuCheck";
inline constexpr P MenuCutling = u"ControlStyle\\PopupMenu\\MenuCutling";
inline constexpr P MenuHighLight = u"ControlStyle\\PopupMenu\\MenuHighLight";
inline constexpr P MenuCover = u"ControlStyle\\PopupMenu\\MenuCover";
inline constexpr P MenuBkgBitmapTopMargin = u"ControlStyle\\PopupMenu\\MenuBkgBitmapTopMargin";
inline constexpr P MenuBkgBitmapLeftMargin = u"ControlStyle\\PopupMenu\\MenuBkgBitmapLeftMargin";
inline constexpr P MenuBkgBitmapRightMargin = u"ControlStyle\\PopupMenu\\MenuBkgBitmapRightMargin";
inline constexpr P MenuBkgBitmapBottomMargin = u"ControlStyle\\PopupMenu\\MenuBkgBitmapBottomMargin";
inline constexpr P MenuCutlingDrawLeftMargin = u"ControlStyle\\PopupMenu\\MenuCutlingDrawLeftMargin";
inline constexpr P MenuCutlingDrawRightMargin = u"ControlStyle\\PopupMenu\\MenuCutlingDrawRightMargin";
inline constexpr P MenuCutlingHeight = u"ControlStyle\\PopupMenu\\MenuCutlingHeight";
inline constexpr P MenuCutlingDrawHeight = u"ControlStyle\\PopupMenu\\MenuCutlingDrawHeight";
// Read under this spelling; the default skin stores MenuBkgBitmapStretchMode.
inline constexpr P MenuBkgBitmapStrecthMode = u"ControlStyle\\PopupMenu\\MenuBkgBitmapStrecthMode";
inline constexpr P MenuBkgBitmapStretchMode = u"ControlStyle\\PopupMenu\\MenuBkgBitmapStretchMode";
inline constexpr P MenuHighLightDrawLeftMargin = u"ControlStyle\\PopupMenu\\MenuHighLightDrawLeftMargin";
inline constexpr P MenuHighLightDrawRightMargin = u"ControlStyle\\PopupMenu\\MenuHighLightDrawRightMargin";
inline constexpr P MenuHighLightDrawTopMargin = u"ControlStyle\\PopupMenu\\MenuHighLightDrawTopMargin";
inline constexpr P MenuHighLightDrawBottomMargin = u"ControlStyle\\PopupMenu\\MenuHighLightDrawBottomMargin";
inline constexpr P MenuIconDrawLeftMargin = u"ControlStyle\\PopupMenu\\MenuIconDrawLeftMargin";
inline constexpr P MenuArrowBitmapDrawRightMargin = u"ControlStyle\\PopupMenu\\MenuArrowBitmapDrawRightMargin";
inline constexpr P MenuCaptionDrawLeftMargin = u"ControlStyle\\PopupMenu\\MenuCaptionDrawLeftMargin";
inline constexpr P MenuItemsDrawTopMargin = u"ControlStyle\\PopupMenu\\MenuItemsDrawTopMargin";
inline constexpr P MenuOtherHeight = u"ControlStyle\\PopupMenu\\MenuOtherHeight";
inline constexpr P MenuOtherWidth = u"ControlStyle\\PopupMenu\\MenuOtherWidth";
// Stored in the default skin, not read.
inline constexpr P MenuCustomize = u"ControlStyle\\PopupMenu\\Customize";

// Background pictures.
inline constexpr P DefaultSkinImage = u"SkinMgr\\DefaultSkins\\Image";
inline constexpr P DefaultSkinStretchMode = u"SkinMgr\\DefaultSkins\\StretchMode";
inline constexpr P DefaultSkinMargin = u"SkinMgr\\DefaultSkins\\Margin";
inline constexpr P DefaultSkinClipMargin = u"SkinMgr\\DefaultSkins\\ClipMargin";
inline constexpr P SkinMgrSkins = u"SkinMgr\\Skins";
inline constexpr P SkinMgrSkinPicture = u"\\main.jpg";

} // namespace qelvane::skinpath

namespace qelvane {

// What a vocabulary key's value must look like beyond its node type.
enum class TSkinValueKind : uint8_t {
  Plain,
  MarginText, // WideString "left,top,right,bottom"
  FontText,   // WideString "\"name\", size, [styles], [BBGGRR]"
  PngImage,   // Binary holding a PNG file
  JpegImage,  // Binary holding a JPEG file
  Picture,    // Binary holding a PNG or a JPEG file
};

// One key of the vocabulary. A path may hold one "<style>" folder: the key
// then applies below every style folder of the collection before it.
struct TSkinVocabularyKey {
  std::u16string Path;
  TNodeType100 NodeType;
  uint32_t SubType; // the image sub-type a skin carries (1 or 2); 0: any
  bool Required;    // false: the engine copes without it
  TSkinValueKind Kind;
};

inline constexpr std::u16string_view SkinStylePlaceholder = u"<style>";

// The whole vocabulary the engine reads, plus the keys the default skin
// stores for completeness (inactive system buttons, vertical page control).
std::span<const TSkinVocabularyKey> SkinVocabulary();

} // namespace qelvane
