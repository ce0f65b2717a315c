#include "Dm/AbstractBmpReader.h"

#include "imaging/Bmp.h"

CAbstractBmpReader::CAbstractBmpReader(PLBmp& bitmap)
    : m_nStride(bitmap.GetStride()),
      m_pBits(bitmap.GetBits()),
      m_pBitmap(&bitmap),
      m_ppLines(bitmap.GetLineArray())
{
}
