#include "wizard/Agreement.h"

#include "installer/Profile.h"
#include "wizard/FormPictures.h"

namespace qelvane {

TfrmAgreement::TfrmAgreement(TComponent* AOwner) : TDefaultSkinForm(AOwner) {
  SetName(L"frmAgreement");
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu);
  Position = poScreenCenter;
  SetClientSize(562, 371);
  SetCaption(ProductTag() + L" 安装向导");
  Font().SetName(L"微软雅黑");
  Font().SetColor(0xFFFFFF);
  scrlbx1 = &TComponent::Create<TScrollBox>(*this);
  scrlbx1->SetName(L"scrlbx1");
  scrlbx1->SetBounds(0, 32, 562, 339);
  scrlbx1->SetAlign(alBottom);
  scrlbx1->SetColor(0xFFFFFF);
  scrlbx1->SetParent(this);
  img1 = &TComponent::Create<TImage>(*this);
  img1->SetName(L"img1");
  img1->SetBounds(0, 0, 541, 1744);
  img1->SetAlign(alTop);
  img1->SetParent(scrlbx1);
  // Closing hides it; it lives as long as the application.
}

void TfrmAgreement::DoShow() {
  // The licence text is a tall picture: it is decoded when the agreement is
  // first shown, not at start-up, where most users never open it.
  if (!img1->Picture()) img1->SetPicture(FormPicture(L"LICENCE"));
  TDefaultSkinForm::DoShow();
}

} // namespace qelvane
