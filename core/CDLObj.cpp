#include "CDLObj.h"

#include "Errors.h"

void TCDLRangeList::ThrowIndexError(int Index)
{
  throw TListIndexError(Index);
}
