void Describe(int n) {
  switch (n) {
    case 0: ShowMessage("zero");
    case 1, 2: ShowMessage("small");
    case 3..9: ShowMessage("digit");
    case 10, 20, 30: ShowMessage("round");
    default: ShowMessage("other");
  }
}
{
  int i;
  for (i = 0; i <= 11; i++) Describe(i);
  Describe(20); Describe(-1);
}
