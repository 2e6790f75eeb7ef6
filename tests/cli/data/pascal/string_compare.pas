begin
  ShowMessage('abc' < 'abd');
  ShowMessage('abc' = 'abc');
  ShowMessage('Abc' = 'abc');
  ShowMessage('b' > 'abc');
  ShowMessage('ab' < 'abc');
  ShowMessage('' < 'a');
end.
