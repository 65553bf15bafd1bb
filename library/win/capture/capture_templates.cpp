#include "library/win/capture/capture_templates.h"

#include <iterator>

#include "library/resources/guide_animation.h"

namespace pixfarrow::capture {
namespace {

constexpr COLORREF kGuideBack = RGB(255, 255, 255);
constexpr COLORREF kPanelBack = RGB(243, 248, 255);
constexpr COLORREF kAccent = RGB(0, 136, 255);

RECT At(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

ControlTemplate Board(const wchar_t* name, RECT where, BoardStyle style) {
  ControlTemplate c;
  c.name = name;
  c.kind = ControlKind::DrawingBoard;
  c.where = where;
  c.board = style;
  return c;
}

ControlTemplate Label(const wchar_t* name, RECT where, std::wstring text, int height, int weight, COLORREF back,
                      const wchar_t* inside) {
  ControlTemplate c;
  c.name = name;
  c.kind = ControlKind::Label;
  c.where = where;
  c.text = std::move(text);
  c.font = {L"黑体", height, weight};
  c.multiLine = true;
  c.colour = back;
  c.textColour = RGB(32, 32, 32);
  c.inside = inside ? inside : L"";
  return c;
}

CaptureTemplates Build() {
  CaptureTemplates t;

  t.captureWindow.name = L"CaptureWindow";
  t.captureWindow.where = At(50, 50, 380, 250);
  t.captureWindow.background = RGB(0, 0, 0);
  t.captureWindow.exStyle = WS_EX_TOOLWINDOW;
  t.captureWindow.controls.push_back(Board(kBottomBoard, At(168, 96, 160, 128), BoardStyle{.background = RGB(0, 0, 0)}));
  t.captureWindow.controls.push_back(Board(kSaveBoard, At(0, 0, 112, 88), BoardStyle{.visible = false}));

  t.selectionOverlay.name = L"SelectionOverlay";
  t.selectionOverlay.where = At(50, 50, 656, 425);
  t.selectionOverlay.background = RGB(0, 0, 0);
  t.selectionOverlay.exStyle = WS_EX_TOOLWINDOW;
  // Dragging on the overlay must not raise it over the guide that it owns.
  t.selectionOverlay.activateOnClick = false;
  t.selectionOverlay.controls.push_back(Board(kTopBoard, At(424, 192, 160, 128),
                                              BoardStyle{.background = RGB(0, 0, 0),
                                                         .crossCursor = true,
                                                         .penColour = kAccent,
                                                         .penWidth = 3,
                                                         .patternColour = RGB(236, 236, 236)}));

  t.captureGuide.name = L"CaptureGuide";
  t.captureGuide.where = At(50, 50, 787, 483);
  t.captureGuide.background = kGuideBack;
  t.captureGuide.exStyle = WS_EX_TOOLWINDOW;
  auto& guide = t.captureGuide.controls;
  ControlTemplate title = Label(kGuideTitle, At(416, 8, 216, 24), L"截取目标图注意事项：", 20, FW_BOLD, kGuideBack, nullptr);
  title.textColour = RGB(0, 96, 192);
  title.multiLine = false;
  guide.push_back(title);
  ControlTemplate shape;
  shape.name = kGuideShape;
  shape.kind = ControlKind::ShapeBox;
  shape.where = At(416, 40, 336, 368);
  shape.colour = kPanelBack;
  shape.border = kAccent;
  guide.push_back(shape);
  guide.push_back(Label(kGuideSteps, At(16, 11, 296, 349), GuideStepsText(), 16, FW_NORMAL, kPanelBack, kGuideShape));
  ControlTemplate picture;
  picture.name = kGuidePicture;
  picture.kind = ControlKind::PictureBox;
  picture.where = At(8, 8, 400, 400);
  picture.picture = resources::GuideAnimationBytes();
  picture.colour = kGuideBack;
  guide.push_back(picture);
  return t;
}

}  // namespace

const CaptureTemplates& BuildCaptureTemplates() {
  static const CaptureTemplates templates = Build();
  return templates;
}

std::wstring GuideStepsText() {
  static const wchar_t* const kLines[] = {
      L"截取步骤",
      L"",
      L"1、鼠标左键按下别松开",
      L"",
      L"2、截取头像大概4分之1",
      L"",
      L"3、松开鼠标左键",
      L"",
      L"",
      L"(1)建议选择头像当作目标图",
      L"",
      L"(2)截取完后会在软件运行目录生成",
      L"",
      L"   \"目标图\\\\目标图.bmp\"",
      L"",
      L"   下次启动，自动读取该文件，一劳永逸",
      L"",
      L"",
      L"更多请关注",
      L"",
      L"   微信公众号“Velmora”",
  };
  std::wstring text;
  for (std::size_t i = 0; i < std::size(kLines); ++i) {
    if (i > 0) text += L"\r\n";
    text += kLines[i];
  }
  return text;
}

}  // namespace pixfarrow::capture
