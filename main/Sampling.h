#pragma once
// Memory and resource sampling for the Information box.
class Tf1;

// The first memory sample: gauges and their captions, CacheCeilingKb as the upper end of the
// minimal and maximal disk cache editors (creation step 5).
void TakeFirstMemorySample(Tf1& form);
// The texts of systemlabel, gdilabel and userlabel (creation step 7).
void ShowResourceLabels(Tf1& form);
