#include "model/TPose.h"

void TPose::SetTva(const TTva &source)
{
    m_tva.Copier(source);
}
