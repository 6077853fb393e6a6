-- SPDX-License-Identifier: GPL-3.0-or-later
-- Sample directory of the demo: a few users, groups and memberships (UTF-8).
INSERT INTO Usuarios (Nome_Usuario, ID_Pager, Descricao, Data_Cadastro) VALUES
  ('João da Silva', '1234567', 'Gerente de vendas', '02/03/2026'),
  ('Maria Conceição Araújo', '2345678', 'Diretora financeira', '02/03/2026'),
  ('José Antônio Pereira', '3456789', 'Técnico de plantão', '15/04/2026'),
  ('Ana Luíza Gonçalves', '4567890', 'Técnica de plantão', '15/04/2026'),
  ('Sebastião Magalhães', '5678901', 'Diretor comercial', '20/05/2026'),
  ('Cecília Brandão', '6789012', 'Representante de vendas', '01/06/2026');

INSERT INTO Grupos (Nome_Grupo, Descricao_Grupo) VALUES
  ('Diretoria', 'Diretores da empresa'),
  ('Plantão', 'Equipe técnica de plantão'),
  ('Vendas', 'Equipe comercial');

INSERT INTO Usuario_Grupo (ID_Usuario, ID_Grupo)
  SELECT u.ID_Usuario, g.ID_Grupo FROM Usuarios u, Grupos g
  WHERE (g.Nome_Grupo = 'Diretoria' AND u.Nome_Usuario IN ('Maria Conceição Araújo', 'Sebastião Magalhães'))
     OR (g.Nome_Grupo = 'Plantão' AND u.Nome_Usuario IN ('José Antônio Pereira', 'Ana Luíza Gonçalves'))
     OR (g.Nome_Grupo = 'Vendas' AND u.Nome_Usuario IN ('João da Silva', 'Sebastião Magalhães', 'Cecília Brandão'));
