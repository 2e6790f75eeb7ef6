begin
  ShowMessage(Format('%d-%s', [12, 'ab']));
  ShowMessage(Format('[%5d]', [42]));
  ShowMessage(Format('%.2f', [3.14159]));
  ShowMessage(Format('%s and %s', ['x', 'y']));
end.
