#pragma once

#include "buffers/BufferAmounts.h"
#include "buffers/BufferForm.h"
#include "buffers/BufferSolution.h"

#include <string>
#include <vector>

namespace solvo {

class BufferModel;

/// A form with its amount in the finished buffer.
struct BufferIngredient {
    BufferForm form;
    double molPerL = 0.0;
    double stockMolar = 0.0; ///< mol/L of the stock solution it is measured from; 0 when weighed

    /// Grams to weigh for litres of buffer; 0 when it comes from a stock.
    double Grams(double litres) const { return stockMolar > 0.0 ? 0.0 : molPerL * litres * form.molarMass; }
    /// Millilitres of stock for litres of buffer; 0 when it is weighed.
    double Millilitres(double litres) const { return stockMolar > 0.0 ? molPerL * litres / stockMolar * 1000.0 : 0.0; }
};

/// The amounts that bring a buffer to a stated pH: two forms whose sum is a
/// total (NaH2PO4 with Na2HPO4), or one form with the strong acid or base
/// that titrates it (Tris with HCl); other ingredients (a salt) count for
/// the ionic strength. The pH of the amounts found is computed again from
/// scratch, as a check anyone can repeat.
class BufferRecipe {
public:
    /// acid and base forms at total mol/L together. Throws BufferError when
    /// neither is a buffer form or the pH lies outside what their mixtures
    /// give (the message names that range).
    static BufferRecipe ForPair(const BufferModel& model, const BufferForm& acid, const BufferForm& base,
                                double total, const std::vector<BufferIngredient>& others, double pH);

    /// form at total mol/L titrated with a strong acid or base, from a stock
    /// of stockMolar mol/L (0 for none, weighed or neat). Throws BufferError
    /// when form is no buffer form, titrant no strong acid or base, or the
    /// pH cannot be reached (with the range that can).
    static BufferRecipe ForTitration(const BufferModel& model, const BufferForm& form, double total,
                                     const BufferForm& titrant, double stockMolar,
                                     const std::vector<BufferIngredient>& others, double pH);

    /// The buffer forms first, then the titrant, then the others.
    const std::vector<BufferIngredient>& Ingredients() const { return ingredients_; }
    const BufferAmounts& Amounts() const { return amounts_; }
    /// The state of the amounts found, solved again.
    const BufferSolution& Solution() const { return solution_; }
    const std::vector<std::string>& Warnings() const { return warnings_; }

private:
    BufferRecipe(const BufferModel& model, std::vector<BufferIngredient> ingredients,
                 const std::vector<int>& systems, double pH);

    std::vector<BufferIngredient> ingredients_;
    BufferAmounts amounts_;
    BufferSolution solution_;
    std::vector<std::string> warnings_;
};

} // namespace solvo
