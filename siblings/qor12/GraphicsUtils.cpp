#include "qor12.h"

void GraphicsUtils::SetDefaultFont(LOGFONTA& lf, const CString& strFaceName, int nHeight, int nWeight,
                                   bool bBold, bool bItalic, bool bUnderline)
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        lf = ncm.lfMessageFont;
    else
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    if (!strFaceName.IsEmpty())
        lstrcpynA(lf.lfFaceName, strFaceName, LF_FACESIZE);
    if (nHeight != -1) lf.lfHeight = nHeight;
    if (nWeight != -1) lf.lfWeight = nWeight;
    if (bBold) lf.lfWeight = FW_BOLD;
    if (bItalic) lf.lfItalic = TRUE;
    if (bUnderline) lf.lfUnderline = TRUE;
}
