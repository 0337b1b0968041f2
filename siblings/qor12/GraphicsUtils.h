// Fonts and other drawing helpers.
#pragma once

class QOR12_API GraphicsUtils
{
public:
    // Fills lf with the system's message font (SPI_GETNONCLIENTMETRICS). A non-empty
    // face name replaces the system's; nHeight and nWeight replace the system's values
    // unless -1; the three flags turn on bold, italic and underline.
    static void SetDefaultFont(LOGFONTA& lf, const CString& strFaceName, int nHeight, int nWeight,
                               bool bBold, bool bItalic, bool bUnderline);
};
