#include "QueryViewFormFactory.h"

#include "FrmMediaIndex.h"

IQueryView* TQueryViewFormFactory::CreateQueryView() {
    m_form = new TMediaIndexForm();
    return m_form;
}
