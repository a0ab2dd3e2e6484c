#include "chart/ChartProperty.h"

#include "chart/ChartComponent.h"
#include "chart/ChartWrapper.h"

ChartProperty::ChartProperty(ChartWrapper& owner, const chart::PropertyPair& propertyPair)
    : wrapper(owner), pair(propertyPair)
{
}

ChartProperty& ChartProperty::operator[](int first)
{
    firstIndex = first;
    count = std::max(count, first + 1);
    return *this;
}

ChartProperty& ChartProperty::operator()(int first, int second)
{
    secondIndex = second;
    return (*this)[first];
}

void ChartProperty::Set(const QVariant& value)
{
    if (pair.setter == 0 || wrapper.handle == nullptr) return;
    wrapper.handle->Set(pair.setter, pair.indexCount >= 1 ? firstIndex : 0, pair.indexCount >= 2 ? secondIndex : 0,
                        value);
}

QVariant ChartProperty::Get() const
{
    if (pair.getter == 0 || wrapper.handle == nullptr) return 0;
    const QVariant value =
        wrapper.handle->Get(pair.getter, pair.indexCount >= 1 ? firstIndex : 0, pair.indexCount >= 2 ? secondIndex : 0);
    return value.isValid() ? value : QVariant(0);
}
